#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>
#include <QString>

class CTarrowinView;
class QSpinBox;

// Pictures of the view for worksheets and slides: saved as PNG at the view's
// size or at one the user picks, or copied to the clipboard. The picture is
// the moment shown when it is taken; taking it changes nothing a tick computes.
namespace PictureSaver {

// The largest picture: a 4K screen.
inline constexpr QSize kLargest{3840, 2160};

// Asks for a size, then for a file, and writes the picture there; a failure
// is shown with its reason. `name` is the file name offered.
void SaveAs(QWidget* parent, CTarrowinView& view, const QString& name);
// The picture at the view's size, onto the clipboard.
void Copy(CTarrowinView& view);
// Writes through a temporary file, so a failure leaves nothing behind: why
// it failed, or nothing.
QString WritePng(const QImage& image, const QString& path);
// The message shown when `path` could not be written.
QString FailureText(const QString& path, const QString& reason);

}

// Asks for the picture's size in pixels, the view's own to begin with.
class CPictureSizeDlg : public QDialog {
public:
    CPictureSizeDlg(QSize viewSize, QWidget* parent = nullptr);

    QSize ChosenSize() const;

private:
    QSpinBox* m_pWidth = nullptr;
    QSpinBox* m_pHeight = nullptr;
};
