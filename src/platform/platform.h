#pragma once

#include <QDateTime>
#include <QKeyCombination>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>
#include <optional>

class QDialog;
class QPrinter;

// The one seam between the program and the outside world. Everything the
// program asks of the system goes through it: the application object holds
// one and hands it to what needs it, and tests hand a scripted double.
class Platform {
public:
    virtual ~Platform() = default;

    // Microseconds of a clock that counts time spent suspended and ignores
    // changes of the wall clock; since the machine started, so a reading stays
    // valid from one run of the program to the next until the next boot.
    virtual double microseconds() = 0;
    // Milliseconds of the monotonic clock, the one input events are stamped
    // with on X11 and Wayland.
    virtual qint64 monotonicMilliseconds() = 0;
    // What tells one boot of the machine from the next.
    virtual QByteArray bootId() = 0;
    virtual QDateTime now() = 0;

    virtual void messageBox(const QString &text) = 0;
    // Plays one beep; consecutive beeps are spaced so they are heard apart.
    virtual void beep() = 0;
    // What a desktop notification tells; each has one shown at most.
    enum class Notice { CountdownEnd, UnprotectedList };
    // Posts a desktop notification in place of the one of the same notice
    // posted before; where the desktop has no notification service, nothing
    // happens.
    virtual void notify(Notice notice, const QString &summary, const QString &body) = 0;
    // Withdraws the notice's notification, if it is still shown.
    virtual void withdrawNotification(Notice notice) = 0;
    // A countdown's progress, from 0 to 1, on the program's entry in the
    // taskbar, at most once a second and in steps of at least half a percent;
    // nothing withdraws it.
    virtual void showProgress(std::optional<double> fraction) = 0;
    // Shows a dialog modally and returns its result code.
    virtual int execModal(QDialog &dialog) = 0;
    // Empty when the user cancels.
    virtual QString saveFileName(const QString &suggestedName) = 0;
    virtual QString openFileName() = 0;
    // False when the user cancels.
    virtual bool printDialog(QPrinter &printer) = 0;

    virtual Qt::KeyboardModifiers keyboardModifiers() = 0;
    virtual QStringList installedFonts() = 0;
    // Empty when the system gives no preferences folder.
    virtual QString preferencesFolder() = 0;
    // The program's own data folder; empty when the system gives none.
    virtual QString dataFolder() = 0;
    // The desktop's room on each screen there is now, the primary first.
    virtual QList<QRect> screens() = 0;
    // False where a program can neither learn nor choose where its windows
    // are (Wayland).
    virtual bool windowPositionKnown() = 0;
    virtual void quit(int status) = 0;
    // False when the program already runs for this user and data folder;
    // that one has been sent the greeting, a request line. Otherwise answer
    // gives the answer line to each request a later start or a command sends.
    virtual bool claimInstance(const QByteArray &greeting,
                               std::function<QByteArray(const QByteArray &request)> answer) = 0;
    // The answer line of the program that runs for this user and data folder
    // to a request line; nothing when none runs.
    virtual std::optional<QByteArray> askInstance(const QByteArray &request) = 0;

    // The key that takes a lap while another program has the focus, held in
    // place of the one before; an empty key holds none. `done` is told why
    // the key cannot be held, the one before then still held, or an empty
    // text; maybe later, when the desktop asks the user.
    virtual void holdGlobalKey(QKeyCombination key, std::function<void(const QString &problem)> done) = 0;
    // Runs handler each time the held key goes down, with the press's stamp,
    // as an input event's.
    virtual void onGlobalKey(std::function<void(quint64 stampMs)> handler) = 0;
    // Why no program can hold a key on this desktop, in a sentence; empty
    // where one can.
    virtual QString globalKeyUnavailable() = 0;

    // Runs handler on the event thread when the system asks the program to
    // end (SIGTERM, SIGINT, SIGHUP).
    virtual void onTermination(std::function<void()> handler) = 0;
    // Runs handler when the session ends; interactive tells whether the user
    // may be asked. The handler returns false to cancel the logout.
    virtual void onSessionEnd(std::function<bool(bool interactive)> handler) = 0;
};
