#pragma once
// Drives the window program with the keyboard alone, through modal dialogs
// too: a script of steps, each run once the window it waits for is the active
// one. A step that opens a modal dialog does not return before that dialog
// closes, so the next step is scheduled before a step runs and finds its
// dialog from inside the dialog's own event loop.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace veltrano::testing {

// Where a key pressed now goes: an open menu takes the keys, else the focused widget.
inline QWidget* keyboardTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::focusWidget();
}

// Presses a key where the keyboard sends it; fails when nothing would take it.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = keyboardTarget();
    ASSERT_NE(target, nullptr) << "no widget takes the keyboard";
    QTest::keyClick(target, key, modifiers);
}

// Types ASCII text key by key where the keyboard sends it.
inline void type(const QString& text) {
    QWidget* target = keyboardTarget();
    ASSERT_NE(target, nullptr) << "no widget takes the keyboard";
    QTest::keyClicks(target, text);
}

// Presses Tab until `reached` holds for the focused widget; false after `limit` presses.
template <class Reached>
bool tabUntil(Reached reached, int limit = 40) {
    for (int press = 0; press < limit; ++press) {
        if (QApplication::focusWidget() != nullptr && reached(QApplication::focusWidget()))
            return true;
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr)
            target = QApplication::activeWindow();
        if (target == nullptr)
            return false;
        QTest::keyClick(target, Qt::Key_Tab);
    }
    return QApplication::focusWidget() != nullptr && reached(QApplication::focusWidget());
}

class KeyboardScript {
  public:
    using Window = std::function<bool(QWidget*)>;
    using Action = std::function<void()>;

    // Adds a step: `action` runs once `window` holds for the active window and
    // no menu is open. `what` names the step in failures.
    void then(std::string what, Window window, Action action) {
        steps_.push_back(Step{std::move(what), std::move(window), std::move(action)});
    }

    // Runs the steps; fails with the step that waited in vain for its window
    // (then every dialog still open is closed, so that the test ends).
    void run(int msPerStep = 8000) {
        msPerStep_ = msPerStep;
        deadline_.start();
        QTimer::singleShot(0, &context_, [this] { poll(); });
        const bool finished = QTest::qWaitFor([this] { return steps_.empty(); }, msPerStep * 20);
        EXPECT_TRUE(finished) << "the steps did not end";
        EXPECT_EQ(failedStep_, "") << "no window for this step";
    }

  private:
    struct Step {
        std::string what;
        Window window;
        Action action;
    };

    void poll() {
        if (steps_.empty()) {
            // A dialog left open would keep the test waiting inside it forever.
            if (QApplication::activeModalWidget() == nullptr)
                return;
            if (deadline_.elapsed() > msPerStep_) {
                failedStep_ = "a dialog stayed open after the last step";
                closeEveryDialog();
                return;
            }
            QTimer::singleShot(10, &context_, [this] { poll(); });
            return;
        }
        QWidget* active = QApplication::activeWindow();
        if (active == nullptr)
            activateAWaitingWindow();
        if (active != nullptr && QApplication::activePopupWidget() == nullptr &&
            steps_.front().window(active)) {
            const Step step = steps_.front();
            steps_.pop_front();
            deadline_.restart();
            QTimer::singleShot(0, &context_, [this] { poll(); });
            SCOPED_TRACE(step.what);
            step.action();
            return;
        }
        if (deadline_.elapsed() > msPerStep_) {
            failedStep_ =
                steps_.front().what + " (active: " +
                (active != nullptr ? active->metaObject()->className() + std::string(" ") +
                                         active->windowTitle().toStdString()
                                   : std::string("none")) +
                ")";
            steps_.clear();
            closeEveryDialog();
            return;
        }
        QTimer::singleShot(10, &context_, [this] { poll(); });
    }

    // When a dialog closes, the desktop's window manager gives the activation
    // back to the window below; the test's display has none, so this does.
    void activateAWaitingWindow() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr) {
            modal->activateWindow();
            return;
        }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && steps_.front().window(window))
                window->activateWindow();
    }

    static void closeEveryDialog() {
        for (int i = 0; i < 20 && QApplication::activeModalWidget() != nullptr; ++i) {
            QApplication::activeModalWidget()->close();
            QCoreApplication::processEvents();
        }
    }

    QObject context_; // ends the polls still waiting when the script goes
    std::deque<Step> steps_;
    QElapsedTimer deadline_;
    int msPerStep_ = 0;
    std::string failedStep_;
};

} // namespace veltrano::testing
