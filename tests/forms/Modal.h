#pragma once

#include <deque>
#include <functional>

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Answers the modal dialogs that the code under test opens, as a user would: it waits for
// each to become the active modal widget, notes what it shows, then presses a key in it.
class ModalDriver : public QObject {
    Q_OBJECT

public:
    ModalDriver();
    // Fails the test if a dialog that it was told of never came.
    ~ModalDriver() override;

    // The next dialog: note it, optionally look at it, then press the key. With `again` the
    // step goes to the dialog that the previous step pressed a key in, if it is still open.
    ModalDriver& Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                       std::function<void(QWidget*)> look = {}, bool again = false);
    ModalDriver& Close(std::function<void(QWidget*)> look = {});

    bool Done() const { return steps_.empty(); }

    // One line a dialog: caption, text, icon, buttons, default button.
    QStringList seen;

private:
    struct Step {
        std::function<void(QWidget*)> act;
        bool again;
    };
    void Poll();

    std::deque<Step> steps_;
    QPointer<QWidget> last_;
    QTimer timer_;
};

// What a dialog shows, in one line, so that a test can compare it byte for byte.
QString Describe(QWidget* dialog);

// Message box lines as Describe writes them.
QString Box(const QString& caption, const QString& text, const QString& icon, bool withCancel);
QString Plain(const QString& text);

// True when no top-level window is visible.
bool NoWindowShown();

// True when the window's frame stands in the middle of its screen, to within two pixels.
bool CentredOnScreen(const QWidget& window);
