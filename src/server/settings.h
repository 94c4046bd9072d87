#pragma once
// Where the class's server is, read at start from two small files: one for
// every login of the machine (a school's machine image) and one per login,
// whose keys win. Neither file: no server, and the program works alone as
// it always has.
//
//   [server]
//   host=kyoushitsu.school.example
//   port=5432
//   database=minuka
//   sslmode=prefer
//   class=3年2組
//   login=class_3_2
//   password=...
//   names=false        ; send the pupils' names too (normally they stay here)
//   teacher=teacher_3_2 ; offered as the login of the class's record
#include <QString>

struct ServerSettings {
    QString host;
    int port = 5432;
    QString database;
    QString sslmode;
    QString className;  // as the server knows the class, such as "3年2組"
    QString login;      // the class's machines' login
    QString password;
    bool sendNames = false;
    QString teacherLogin;

    // A server to send to: host, database, class and login given.
    bool isSet() const;
    // The libpq options Qt's PostgreSQL driver passes on: a short connect
    // timeout and keepalives, so a server that went away is noticed in
    // seconds rather than minutes.
    QString connectOptions() const;
    // What the sent marks are kept for: another server starts afresh.
    QString key() const;
};

// The system-wide file (/etc/xdg/minuka/server.conf) and the login's own
// (~/.config/minuka/server.conf).
QString SystemServerSettingsFile();
QString UserServerSettingsFile();

// Reads the two files, the second's keys over the first's. Files that do not
// exist are not opened.
ServerSettings ReadServerSettings(const QString &systemFile = SystemServerSettingsFile(),
                                  const QString &userFile = UserServerSettingsFile());

// A class's name as the server compares it: full-width digits and letters
// made half-width ("３年２組" is "3年2組"), spaces around dropped.
QString ClassKey(const QString &className);
