#include "platform/desktop_notifier.h"
#include "platform/instance_lock.h"
#include "platform/qt_platform.h"
#include "platform/termination_signals.h"
#include "platform/whole_file.h"

#include <QPluginLoader>
#include <QSoundEffect>
#include <QtDBus>
#include <QtTest>

#include <csignal>
#include <thread>

// Stands in for the desktop's notification service.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString &app, uint, const QString &icon, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &hints, int)
    {
        calls << QStringList{app, icon, hints.value("desktop-entry").toString(), summary, body}.join('|');
        if (whenNotified)
            std::exchange(whenNotified, {})();
        return calls.size();
    }
    void CloseNotification(uint id) { calls << QString::number(id); }
    // A task manager's side of a taskbar entry's progress.
    void launcherUpdate(const QString &entry, const QVariantMap &properties)
    {
        calls << entry + ' ' + properties.value("progress").toString() + ' ' +
                     properties.value("progress-visible").toString();
    }

public:
    QStringList calls, capabilities{"body"};
    std::function<void()> whenNotified;
};

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    // The beep comes from the sound plugin, loaded at the first one; a program started in a read-only folder beeps
    // without writing there.
    void beepsWithoutWritingInTheCurrentFolder()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QDir::setCurrent(folder.path()));
        QtPlatform platform(VEL_SOUND_PLUGIN_PATH);
        for (int i = 0; i < 3; ++i)
            platform.beep();
        QPluginLoader loader(VEL_SOUND_PLUGIN_PATH);
        const QSoundEffect *effect = loader.instance()->findChild<QSoundEffect *>();
        QVERIFY(effect && effect->source().scheme() == "qrc");
        QSignalSpy spaced(loader.instance()->findChild<QTimer *>(), &QTimer::timeout); // after each beep
        QTRY_COMPARE(effect->status(), QSoundEffect::Ready); // decoded, with or without an audio device
        QTRY_VERIFY(!loader.instance()->findChild<QTimer *>()->isActive());
        QCOMPARE(spaced.size(), 3);
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        QVERIFY(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        loader.unload(); // this loader's hold on it; the platform's goes with the platform
    }

    // A termination signal reaches the handler on the event thread; once the handler is gone, the signal ends the
    // program again.
    void terminationSignals()
    {
        int calls = 0;
        auto *handler = new TerminationSignals([&] { ++calls; }, nullptr);
        QVERIFY(::raise(SIGTERM) == 0 && ::raise(SIGHUP) == 0);
        QTRY_VERIFY(calls >= 1);
        delete handler;
        QVERIFY(std::signal(SIGTERM, SIG_DFL) == SIG_DFL);
    }

    // A file as large as allowed is read; a byte more is refused before it is read.
    void sizeLimit()
    {
        QTemporaryDir folder;
        QString problem, path = folder.filePath("f");
        QVERIFY(WholeFile::write(path, QByteArray(3 << 20, 'x')).isEmpty() && WholeFile::read(path, 3 << 20, problem));
        QVERIFY(!WholeFile::read(path, (3 << 20) - 1, problem));
        QCOMPARE(problem, "le fichier est trop volumineux (plus de 2 Mo)");
    }

    // One program per folder; a lock whose program is gone is taken over. The later start's greeting reaches the
    // first, and requests are answered in turn: a burst of them from many clients loses none; a line too long is
    // answered once and ends its connection unread; a client that says nothing is dropped.
    void oneProgramPerFolder()
    {
        QTemporaryDir folder;
        // A lock left by a program that is gone: no process has that id.
        QVERIFY(WholeFile::write(folder.filePath("Liste en cours.lock"), "4194305\nveltiming\n").isEmpty());
        QByteArrayList heard;
        InstanceLock first(
            folder.path(), [&](const QByteArray &line) { return heard.append(line), line + "!"; }, 100);
        InstanceLock second(folder.path(), {});
        QVERIFY(QFile(first.serverName()).open(QIODevice::WriteOnly)); // as a killed program leaves its socket
        QVERIFY(first.claim("first") && !second.claim("second"));
        QVERIFY(!(QFile::permissions(first.serverName()) & (QFile::ReadGroup | QFile::ReadOther))); // the user's alone
        QTRY_COMPARE(heard, QByteArrayList{"second"});

        std::atomic<int> answered = 0;
        std::vector<std::thread> clients;
        for (int c = 0; c < 4; ++c)
            clients.emplace_back([&, c] {
                for (int i = 0; i < 2500; ++i)
                    answered += InstanceLock::ask(folder.path(), QByteArray::number(c * 2500 + i)) ==
                                QByteArray::number(c * 2500 + i) + "!";
            });
        QTRY_VERIFY_WITH_TIMEOUT(answered == 10000, 60000);
        for (std::thread &client : clients)
            client.join();
        QCOMPARE(heard.size(), 10001);

        QLocalSocket flooding, silent;
        flooding.connectToServer(first.serverName());
        flooding.write(QByteArray(InstanceLock::kLineLimit + 10, 'x') + "\nstatus\n");
        QTRY_COMPARE(flooding.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(heard.size(), 10002);
        QCOMPARE(heard.last().size(), InstanceLock::kLineLimit + 1);
        silent.connectToServer(first.serverName());
        QVERIFY(silent.waitForConnected());
        QTRY_COMPARE(silent.state(), QLocalSocket::UnconnectedState);
    }

    void notifications()
    {
        QTest::failOnWarning(QRegularExpression(".*"));
        QProcess bus; // a session bus of the test's own
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(bus.waitForReadyRead(10000));
        const QByteArray address = bus.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        DesktopNotifier notifier("org.veltiming.VelTiming");
        notifier.post("Vel Timing", "Sans service"); // nothing happens, nothing is said
        NotificationService service;
        QDBusConnection serving = QDBusConnection::connectToBus(address, "service");
        QVERIFY(serving.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots) &&
                serving.registerService("org.freedesktop.Notifications"));
        notifier.post("Vel Timing", "Fini");
        notifier.withdraw();                                 // before it is sent: never sent
        service.whenNotified = [&] { notifier.withdraw(); }; // before the service answers: closed once it does
        notifier.post("Vel Timing", "Encore");
        QTRY_COMPARE(service.calls.size(), 2);
        for (const char *capability : {"body-hyperlinks", "body-markup"}) { // the body is escaped for markup only
            service.capabilities << capability;
            notifier.post("Vel Timing", "Pâtes & <sauce>");
            QTRY_COMPARE(service.calls.size(), service.capabilities.size() * 2 - 1);
        }
        notifier.withdraw();
        notifier.withdraw();
        const QString posted = "test_platform|org.veltiming.VelTiming|org.veltiming.VelTiming|Vel Timing|";
        QTRY_COMPARE(service.calls, QStringList({posted + "Encore", "1", posted + "Pâtes & <sauce>", "3",
                                                 posted + "Pâtes &amp; &lt;sauce&gt;", "5"}));
        QTRY_VERIFY(notifier.children().isEmpty()); // nothing left waiting for an answer

        // A countdown's progress on the taskbar entry, at most once a second, withdrawn once.
        service.calls.clear();
        QVERIFY(serving.connect({}, "/org/veltiming/VelTiming", "com.canonical.Unity.LauncherEntry", "Update", &service,
                                SLOT(launcherUpdate(QString, QVariantMap))));
        QGuiApplication::setDesktopFileName("org.veltiming.VelTiming");
        QtPlatform platform;
        for (const std::optional<double> fraction : {std::optional(0.25), std::optional(0.5), {}, {}})
            platform.showProgress(fraction);
        const QString entry = "application://org.veltiming.VelTiming.desktop ";
        QTRY_COMPARE(service.calls, QStringList({entry + "0.25 true", entry + " false"}));
        bus.kill();
        bus.waitForFinished();
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
