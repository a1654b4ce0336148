#pragma once

#include <QApplication>

// The application object: start-up, shut-down and requests from the system.
class appli : public QApplication {
    Q_OBJECT
public:
    appli(int &argc, char **argv);

    void Open();
    void Close();
    bool HandleAppleEvent(const QString &eventClass, const QString &eventId);

private:
    void loadTranslations();
};

// The registered application object.
appli &App();
