#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>

// A small game folder for one test: data/welcome.ini, best.dat and data.dat.
class TestGameFolder {
 public:
  explicit TestGameFolder(const QByteArray& settings = "1,1,1\r\n");

  std::filesystem::path path() const;
  // Writes `bytes` to the file `name` inside the folder.
  void write(const QString& name, const QByteArray& bytes) const;

 private:
  QTemporaryDir dir_;
};
