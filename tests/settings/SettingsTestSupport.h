#pragma once
// Every settings test runs in folders of its own: the configuration folder QSettings writes to,
// a home with or without a documents folder, and a folder standing for the program's own.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

// Texts in failures as text, not as arrays of code units.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace fenra {

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        oldHome_ = qgetenv("HOME");
        oldConfig_ = qgetenv("XDG_CONFIG_HOME");
        ASSERT_TRUE(QDir().mkpath(Path("home")));
        ASSERT_TRUE(QDir().mkpath(Path("app/bin")));
        ASSERT_TRUE(QDir().mkpath(Path("config")));
        // The documents folder comes from $XDG_CONFIG_HOME/user-dirs.dirs or $HOME/Documents.
        qputenv("HOME", Path("home").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", Path("config").toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Path("config"));
    }

    void TearDown() override {
        qputenv("HOME", oldHome_);
        qputenv("XDG_CONFIG_HOME", oldConfig_);
    }

    QString Path(const QString& relative) const { return temp_.path() + "/" + relative; }
    QString AppDir() const { return Path("app/bin"); }
    QString IniPath() const { return Path("config/fenra32/fenra32.ini"); }

    // A folder under the temporary one, made on the way.
    QString Folder(const QString& relative) const {
        EXPECT_TRUE(QDir().mkpath(Path(relative)));
        return Path(relative);
    }

    void WriteIni(const QByteArray& bytes) const {
        EXPECT_TRUE(QDir().mkpath(Path("config/fenra32")));
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray ReadAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

  private:
    QTemporaryDir temp_;
    QByteArray oldHome_;
    QByteArray oldConfig_;
};

}  // namespace fenra
