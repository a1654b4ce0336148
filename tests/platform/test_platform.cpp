#include "core/global_key.h"
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

// The desktop's shortcuts portal, as far as the program asks it: each request answered at once, a binding granted
// or refused as told, every call but the version's written down.
class ShortcutsPortal : public QDBusVirtualObject {
public:
    uint bindingAnswer = 0;
    QString session;
    QStringList calls;
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &bus) override
    {
        const QString method = message.member(), sender = message.service().mid(1).replace('.', '_');
        if (method != "CreateSession" && method != "BindShortcuts") {
            calls << (method == "Close" ? "Close " + message.path().section('/', -1) : QString());
            calls.removeAll(QString());
            return bus.send(message.createReply(QVariant::fromValue(QDBusVariant(1u))));
        }
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().last());
        const QString path =
            "/org/freedesktop/portal/desktop/request/" + sender + '/' + options["handle_token"].toString();
        QDBusMessage response = QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
        if (method == "CreateSession") {
            session =
                "/org/freedesktop/portal/desktop/session/" + sender + '/' + options["session_handle_token"].toString();
            const QVariant path =
                QVariant::fromValue(QDBusObjectPath(session)); // as some portals give it, the second time
            response << 0u << QVariantMap{{"session_handle", calls.contains("CreateSession") ? path : session}};
            calls << method;
        } else {
            const QDBusArgument shortcuts = message.arguments()[1].value<QDBusArgument>();
            shortcuts.beginArray();
            QString id;
            QVariantMap properties;
            shortcuts.beginStructure();
            shortcuts >> id >> properties;
            calls << QString("%1 %2 %3 %4")
                         .arg(method,
                              message.arguments()[0].value<QDBusObjectPath>().path() == session ? "in its session"
                                                                                                : "elsewhere",
                              id, properties["preferred_trigger"].toString());
            response << bindingAnswer << QVariantMap();
        }
        return bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(path)))) && bus.send(response);
    }
    void press(const QString &inSession, const QString &shortcut, quint64 stamp, const QDBusConnection &bus)
    {
        QDBusMessage activated = QDBusMessage::createSignal("/org/freedesktop/portal/desktop",
                                                            "org.freedesktop.portal.GlobalShortcuts", "Activated");
        activated << QVariant::fromValue(QDBusObjectPath(inSession)) << shortcut << qulonglong(stamp) << QVariantMap();
        bus.send(activated);
    }
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

        // The global key through the desktop's portal: none offered, then a binding granted, a press told with its
        // time, a refused binding that keeps the key before, and no key, which ends the session.
        QVERIFY(platform.globalKeyUnavailable().contains("veltiming\u00a0--lap"));
        ShortcutsPortal portal;
        QVERIFY(serving.registerVirtualObject("/org/freedesktop/portal/desktop", &portal, QDBusConnection::SubPath) &&
                serving.registerService("org.freedesktop.portal.Desktop"));
        QThread portalThread; // the program asks whether a portal is there and waits for the answer
        portal.moveToThread(&portalThread);
        portalThread.start();
        const auto stop = qScopeGuard([&] {
            portalThread.quit();
            portalThread.wait();
        });
        QVERIFY(platform.globalKeyUnavailable().isEmpty());
        QStringList problems;
        QList<quint64> presses;
        platform.onGlobalKey([&](quint64 stamp) { presses << stamp; });
        const auto hold = [&](QKeyCombination key) {
            platform.holdGlobalKey(key, [&](const QString &problem) { problems << problem; });
        };
        hold(Qt::CTRL | Qt::ALT | Qt::Key_L);
        QTRY_COMPARE(problems, QStringList({""}));
        const QString held = portal.session;
        portal.press(held, "other", 1, serving);
        portal.press(held + "0", "lap", 2, serving);
        portal.press(held, "lap", 3, serving);
        portal.bindingAnswer = 1;
        hold(Qt::META | Qt::Key_F8);
        QTRY_COMPARE(problems, QStringList({"", "elle a été refusée"}));
        portal.press(held, "lap", 4, serving);
        QTRY_COMPARE(presses, QList<quint64>({3, 4}));
        hold(GlobalKey::kNone);
        QTRY_COMPARE(portal.calls,
                     QStringList({"CreateSession", "BindShortcuts in its session lap CTRL+ALT+l", "CreateSession",
                                  "BindShortcuts in its session lap LOGO+F8",
                                  "Close " + portal.session.section('/', -1), "Close " + held.section('/', -1)}));
        QCOMPARE(problems.size(), 3);
        bus.kill();
        bus.waitForFinished();
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
