#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>
#include <QString>

class CTarrowinView;
class QSpinBox;

// Pictures of the circuit's square for worksheets and slides: saved as PNG
// at the side shown or at one the user picks, or copied to the clipboard. The
// picture is the moment shown when it is taken; taking it changes nothing a
// tick computes.
namespace PictureSaver {

// Sides go in steps of the circuit's grid, so that the square fills the
// picture exactly; the largest is fit for a printed page.
inline constexpr int kSideStep = 25;
inline constexpr int kLargestSide = 4000;

// Asks for a size, then for a file, and writes the picture there; a failure
// is shown with its reason. `name` is the file name offered.
void SaveAs(QWidget* parent, CTarrowinView& view, const QString& name);
// The picture at the side shown, onto the clipboard.
void Copy(CTarrowinView& view);
// Writes through a temporary file, so a failure leaves nothing behind: why
// it failed, or nothing.
QString WritePng(const QImage& image, const QString& path);
// The message shown when `path` could not be written.
QString FailureText(const QString& path, const QString& reason);

}

// Asks for the picture's side in pixels, the one shown to begin with.
class CPictureSizeDlg : public QDialog {
public:
    CPictureSizeDlg(int shownSide, QWidget* parent = nullptr);

    int ChosenSide() const;

private:
    QSpinBox* m_pSide = nullptr;
};
