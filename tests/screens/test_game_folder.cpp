#include "test_game_folder.h"

#include <QDir>
#include <QFile>

namespace {

// The welcome text in windows-1250: "Vítejte", Ok, no money, the month goes on.
const QByteArray kWelcome = "0\r\n\"V\xEDtejte\"\r\n1, 0, 0\r\n";
const QByteArray kBestScores = "Karel\r\n30\r\nMarie\r\n20\r\nJosef\r\n10\r\n";

}  // namespace

TestGameFolder::TestGameFolder(const QByteArray& settings) {
  QDir(dir_.path()).mkdir(QStringLiteral("data"));
  write(QStringLiteral("data/welcome.ini"), kWelcome);
  write(QStringLiteral("best.dat"), kBestScores);
  write(QStringLiteral("data.dat"), settings);
}

std::filesystem::path TestGameFolder::path() const {
  return std::filesystem::path(dir_.path().toStdString());
}

void TestGameFolder::write(const QString& name, const QByteArray& bytes) const {
  QFile file(QDir(dir_.path()).filePath(name));
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}
