#include "cli/SimPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool CanWriteFile(const QString& path)
{
    const QFileInfo info(path);
    const QFileInfo dir(info.absolutePath());
    if (info.isDir() || !dir.isDir() || !dir.isWritable())
        return false;
    return !info.exists() || info.isWritable();
}

}

std::string CSimPictures::CheckOutputs(const CSimOptions& o)
{
    if (!o.strPng.empty() && !CanWriteFile(QString::fromStdString(o.strPng)))
        return "--png: cannot write " + ShownArgument(o.strPng);
    if (!o.strFramesDir.empty()) {
        const QString dir = QString::fromStdString(o.strFramesDir);
        const QFileInfo info(dir);
        if ((info.exists() && !info.isDir()) || !QDir().mkpath(dir) || !QFileInfo(dir).isWritable())
            return "--frames: cannot write into " + ShownArgument(o.strFramesDir);
    }
    return {};
}

CDrawSurface* CSimPictures::Open(int w, int h)
{
    m_image = QImage(w, h, QImage::Format_RGB32);
    if (m_image.isNull())
        return nullptr;
    m_surface = std::make_unique<CRasterSurface>(m_image);
    return m_surface.get();
}

bool CSimPictures::Save(const std::string& path)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!m_image.save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
