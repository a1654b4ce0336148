#pragma once

#include "platform/platform.h"

#include <QList>
#include <QMap>
#include <QQueue>

#include <functional>

// A platform for tests and benchmarks: a clock that moves only when told to,
// scripted answers for every dialog, and a record of messages, beeps and quits.
class FakePlatform : public Platform {
public:
    using DialogScript = std::function<void(QDialog &)>;
    using PrintScript = std::function<bool(QPrinter &)>;

    FakePlatform();

    // Moves the microsecond clock and the wall clock together.
    void advance(double seconds);

    double microseconds() override { return micros_; }
    // Input events are stamped in milliseconds of this same clock, far from the small stamps QTest gives its own
    // events, which are thus not believed.
    qint64 monotonicMilliseconds() override { return kMonotonicStart + qint64(micros_ / 1000.0); }
    static constexpr qint64 kMonotonicStart = 1000000000;
    QByteArray bootId() override { return boot; }
    QDateTime now() override { return now_; }
    void messageBox(const QString &text) override { messages.append(text); }
    void beep() override { ++beeps; }
    void notify(Notice notice, const QString &summary, const QString &body) override
    {
        shown[notice] = notifications.emplace_back(summary + '\n' + body);
    }
    void withdrawNotification(Notice notice) override { shown.remove(notice); }
    void showProgress(std::optional<double> fraction) override
    {
        if (progress.value(progress.size() - 1, -1) != fraction.value_or(-1))
            progress << fraction.value_or(-1);
    }
    int execModal(QDialog &dialog) override;
    QString saveFileName(const QString &suggestedName) override;
    QString openFileName() override;
    bool printDialog(QPrinter &printer) override;
    Qt::KeyboardModifiers keyboardModifiers() override { return modifiers; }
    QStringList installedFonts() override { return fonts; }
    QString preferencesFolder() override { return preferences; }
    QString dataFolder() override { return data; }
    QList<QRect> screens() override { return screenRooms; }
    bool windowPositionKnown() override { return positionKnown; }
    void quit(int status) override { quits.append(status); }
    bool claimInstance(const QByteArray &, std::function<QByteArray(const QByteArray &)> answer) override
    {
        request = std::move(answer);
        return sole;
    }
    std::optional<QByteArray> askInstance(const QByteArray &line) override
    {
        return request ? std::optional(request(line)) : std::nullopt;
    }
    void holdGlobalKey(QKeyCombination key, std::function<void(const QString &)> done) override
    {
        done(takenKeys.contains(key) ? QStringLiteral("un autre programme l'a déjà prise") : QString());
        heldKey = takenKeys.contains(key) ? heldKey : key;
    }
    void onGlobalKey(std::function<void(quint64)> handler) override { globalKeyPressed = std::move(handler); }
    QString globalKeyUnavailable() override { return keyUnavailable; }
    void onTermination(std::function<void()> handler) override { terminate = std::move(handler); }
    void onSessionEnd(std::function<bool(bool)> handler) override { endSession = std::move(handler); }

    // Scripts, used in order; an unscripted dialog is cancelled, so a forgotten script fails a test, not hangs it.
    QQueue<DialogScript> dialogScripts;
    QQueue<QString> saveAnswers;
    QQueue<QString> openAnswers;
    QQueue<PrintScript> printScripts;
    // Runs while the next file dialog is open.
    std::function<void()> inFileDialog;

    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QStringList fonts{QStringLiteral("Helvetica"), QStringLiteral("Courier")};
    QString preferences;
    QString data;
    // What the program asked to run on a termination signal and at logout.
    std::function<void()> terminate;
    std::function<bool(bool interactive)> endSession;
    QList<QRect> screenRooms{QRect(0, 0, 1440, 900), QRect(-1280, 0, 1280, 1024)}; // the main one, one on its left
    bool positionKnown = true;                                                     // false: as under Wayland
    bool sole = true;                                      // no other program runs for the data folder
    std::function<QByteArray(const QByteArray &)> request; // what a later start or a command is answered by
    QByteArray boot = "boot-1";
    QList<QKeyCombination> takenKeys; // held by another program
    QKeyCombination heldKey;
    std::function<void(quint64 stampMs)> globalKeyPressed;
    QString keyUnavailable;

    QStringList messages;
    int beeps = 0;
    QStringList notifications;   // summary and body of each, a line apart
    QMap<Notice, QString> shown; // the notifications shown now
    QList<double> progress;      // each change of the taskbar's progress, -1 when withdrawn
    QList<int> quits;
    QStringList suggestedNames;
    int fileDialogs = 0;

private:
    QString fileName(QQueue<QString> &answers);
    double micros_ = 0;
    QDateTime now_;
};
