// The floor an idle desktop window can reach: a bare Qt Widgets window whose
// one label shows the time of day, changed just after each whole second, as
// VelTiming's clock label is. bench/idle_vs_floor.sh runs it beside VelTiming.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char **argv)
{
    // The same event dispatcher as VelTiming's.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Plancher"));
    auto *label = new QLabel(&window);
    label->setGeometry(408, 3, 100, 20); // where VelTiming's clock is
    window.resize(520, 383);
    QTimer clock;
    clock.setSingleShot(true);
    clock.setTimerType(Qt::PreciseTimer);
    QObject::connect(&clock, &QTimer::timeout, [&] {
        const QTime now = QTime::currentTime();
        label->setText(now.toString(QStringLiteral("HH:mm:ss")));
        clock.start(1000 - now.msec() + 1);
    });
    clock.start(0);
    window.show();
    return app.exec();
}
