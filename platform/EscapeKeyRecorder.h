#pragma once

#include <QObject>

#include <functional>

// Records Escape presses anywhere in the application, so a poll sees them
// whichever widget has the keyboard focus. Installs itself on the
// application object and never consumes the key.
class CEscapeKeyRecorder : public QObject {
public:
    // onPress, when given, hears of each press at once, for a poller that
    // is not polling just now.
    explicit CEscapeKeyRecorder(std::function<void()> onPress = {});
    ~CEscapeKeyRecorder() override;

    // True when Escape was pressed since the previous call.
    bool TakePress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_bPressed = false;
    std::function<void()> m_onPress;
};
