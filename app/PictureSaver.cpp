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
#include <QVBoxLayout>

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

// A side typed in between the steps is taken to the nearest step.
class CSideSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    int valueFromText(const QString& text) const override
    {
        const int typed = QSpinBox::valueFromText(text);
        return std::max(PictureSaver::kSideStep,
                        (typed + PictureSaver::kSideStep / 2) / PictureSaver::kSideStep * PictureSaver::kSideStep);
    }
};

}

CPictureSizeDlg::CPictureSizeDlg(int shownSide, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PictureSize"));
    setWindowTitle(Title());
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_pSide = new CSideSpinBox(this);
    m_pSide->setObjectName(QStringLiteral("Side"));
    m_pSide->setRange(PictureSaver::kSideStep, PictureSaver::kLargestSide);
    m_pSide->setSingleStep(PictureSaver::kSideStep);
    m_pSide->setValue(std::clamp(shownSide, PictureSaver::kSideStep, PictureSaver::kLargestSide));
    m_pSide->setSuffix(Text(QT_TRANSLATE_NOOP("SavePicture", " pixels")));
    form->addRow(Text(QT_TRANSLATE_NOOP("SavePicture", "&Side of the square:")), m_pSide);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // No room to stretch into: the dialog is as large as its contents.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CPictureSizeDlg::ChosenSide() const
{
    return m_pSide->value();
}

void PictureSaver::SaveAs(QWidget* parent, CTarrowinView& view, const QString& name)
{
    CPictureSizeDlg sizes(view.SquareRect().width(), parent);
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
    const QString reason = WritePng(view.Picture(sizes.ChosenSide()), path);
    if (!reason.isEmpty())
        QMessageBox::warning(parent, Title(), FailureText(path, reason));
}

void PictureSaver::Copy(CTarrowinView& view)
{
    const QImage picture = view.Picture(view.SquareRect().width());
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
