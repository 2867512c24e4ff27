#include "app/PictureSaver.h"

#include "view/TarrowinView.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QImageWriter>
#include <QMessageBox>
#include <QSaveFile>
#include <QSpinBox>
#include <QStandardPaths>

namespace {

constexpr const char* kContext = "SavePicture";

QString Text(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

QString Title()
{
    return Text(QT_TRANSLATE_NOOP("SavePicture", "Save Picture"));
}

QSize DeviceSize(const CTarrowinView& view)
{
    const qreal dpr = view.devicePixelRatioF();
    return QSize(qRound(view.width() * dpr), qRound(view.height() * dpr));
}

}

CPictureSizeDlg::CPictureSizeDlg(QSize viewSize, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PictureSize"));
    setWindowTitle(Title());
    auto* form = new QFormLayout(this);
    const auto spinBox = [this](int largest, int value) {
        auto* box = new QSpinBox(this);
        box->setRange(1, largest);
        box->setValue(std::clamp(value, 1, largest));
        box->setSuffix(Text(QT_TRANSLATE_NOOP("SavePicture", " pixels")));
        return box;
    };
    m_pWidth = spinBox(PictureSaver::kLargest.width(), viewSize.width());
    m_pWidth->setObjectName(QStringLiteral("Width"));
    m_pHeight = spinBox(PictureSaver::kLargest.height(), viewSize.height());
    m_pHeight->setObjectName(QStringLiteral("Height"));
    form->addRow(Text(QT_TRANSLATE_NOOP("SavePicture", "&Width:")), m_pWidth);
    form->addRow(Text(QT_TRANSLATE_NOOP("SavePicture", "&Height:")), m_pHeight);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QSize CPictureSizeDlg::ChosenSize() const
{
    return QSize(m_pWidth->value(), m_pHeight->value());
}

void PictureSaver::SaveAs(QWidget* parent, CTarrowinView& view, const QString& name)
{
    CPictureSizeDlg sizes(DeviceSize(view), parent);
    if (sizes.exec() != QDialog::Accepted)
        return;
    QFileDialog files(parent, Title(), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                      Text(QT_TRANSLATE_NOOP("SavePicture", "PNG pictures (*.png)")));
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setDefaultSuffix(QStringLiteral("png"));
    files.selectFile(name + QStringLiteral(".png"));
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return;
    // Drawn now, after the questions: the moment that is shown as the file is chosen.
    const QString path = files.selectedFiles().constFirst();
    const QString reason = WritePng(view.Picture(sizes.ChosenSize()), path);
    if (!reason.isEmpty())
        QMessageBox::warning(parent, Title(), FailureText(path, reason));
}

void PictureSaver::Copy(CTarrowinView& view)
{
    const QImage picture = view.Picture(DeviceSize(view));
    if (!picture.isNull())
        QApplication::clipboard()->setImage(picture);
}

QString PictureSaver::WritePng(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString PictureSaver::FailureText(const QString& path, const QString& reason)
{
    return Text(QT_TRANSLATE_NOOP("SavePicture", "The picture could not be saved as %1.\n\n%2"))
        .arg(QDir::toNativeSeparators(path), reason);
}
