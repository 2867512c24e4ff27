// Pictures of the circuit's square through the dialogs, as the user makes
// them: at the side shown or one typed, copied, and a write that fails leaves
// no file and says why; none of it changes a tick.
#include "WindowFixture.h"

#include "app/PictureSaver.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

class SavePicture : public WindowTest {
protected:
    // Ctrl+S on the view; the dialogs answered: a side typed (or the one offered), the file, and OK to a message.
    QString SaveWithKeys(const QString& name, const QString& side = {})
    {
        QString message;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* sizes = dynamic_cast<CPictureSizeDlg*>(modal)) {
                if (!side.isEmpty()) {
                    auto* box = sizes->findChild<QSpinBox*>(QStringLiteral("Side"));
                    box->findChild<QLineEdit*>()->setText(side);
                    box->interpretText();
                }
                sizes->accept();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                edit->setText(m_dir.filePath(name));
                QTest::keyClick(edit, Qt::Key_Return);
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                message = box->text();
                box->accept();
            }
        });
        poll.start(0);
        EXPECT_EQ(QApplication::focusWidget(), &View());
        Press(Qt::ControlModifier | Qt::Key_S);
        // The offscreen platform leaves activating the window again to the test.
        m_frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
        return message;
    }

    QTemporaryDir m_dir;
};

TEST_F(SavePicture, AtTheViewsSizeOrOnePickedCopiedAndAFailedWriteLeavesNothing)
{
    const auto run = [this](bool pictures) {
        ShowActive();
        Tick(300);
        Press(Qt::Key_Space);
        if (pictures) {
            EXPECT_EQ(SaveWithKeys(QStringLiteral("shown.png")), QString());
            const QImage square = View().FrameImage().copy(View().SquareRect());
            EXPECT_EQ(QImage(m_dir.filePath(QStringLiteral("shown.png"))).convertToFormat(QImage::Format_RGB32),
                      square);
            // A side between the grid's steps is taken to the nearest; the square fills the picture.
            SaveWithKeys(QStringLiteral("picked"), QStringLiteral("1013"));
            const QImage picked(m_dir.filePath(QStringLiteral("picked.png")));
            EXPECT_EQ(picked.size(), QSize(1025, 1025));
            EXPECT_EQ(picked.pixel(0, 0), square.pixel(0, 0));
            EXPECT_EQ(picked.pixel(1024, 1024), square.pixel(square.width() - 1, square.height() - 1));
            // Under a file, not a folder: the reason is shown, and nothing is left behind.
            QFile(m_dir.filePath(QStringLiteral("afile"))).open(QIODevice::WriteOnly);
            const QString failure = PictureSaver::FailureText(m_dir.filePath(QStringLiteral("afile/x.png")), QString());
            const QString message = SaveWithKeys(QStringLiteral("afile/x.png"));
            EXPECT_TRUE(message.startsWith(failure) && message.size() > failure.size()) << message.toStdString();
            EXPECT_EQ(
                QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries, QDir::Name),
                QStringList({QStringLiteral("afile"), QStringLiteral("picked.png"), QStringLiteral("shown.png")}));
            Press(Qt::ControlModifier | Qt::Key_C);
            EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), square);
        }
        for (int i = 0; i < 20; ++i)
            Press(Qt::Key_Period);
        return std::pair(TickState(), View().FrameImage().copy());
    };
    const auto withPictures = run(true);
    TearDown();
    SetUp();
    EXPECT_EQ(withPictures, run(false));
}
