// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <future>

#include "platform/sound_file.h"
#include "platform/wave_file.h"

using velmoran::parseWave;
using velmoran::SoundPlayer;
using Encoding = velmoran::WaveSound::Encoding;

namespace {

QByteArray le16(quint16 value) {
  QByteArray bytes(2, '\0');
  qToLittleEndian(value, bytes.data());
  return bytes;
}

QByteArray le32(quint32 value) {
  QByteArray bytes(4, '\0');
  qToLittleEndian(value, bytes.data());
  return bytes;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body) {
  QByteArray bytes = id + le32(static_cast<quint32>(body.size())) + body;
  if (body.size() % 2) bytes += '\0';
  return bytes;
}

QByteArray formatChunk(quint16 encoding, quint16 channels, quint32 rate, quint16 bits) {
  const quint16 blockAlign = channels * bits / 8;
  return chunk("fmt ", le16(encoding) + le16(channels) + le32(rate) + le32(rate * blockAlign) +
                           le16(blockAlign) + le16(bits));
}

QByteArray riff(const QByteArray& chunks) {
  return "RIFF" + le32(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks;
}

// A second of silence in 16-bit mono.
QByteArray silence() {
  return riff(formatChunk(1, 1, 8000, 16) + chunk("data", QByteArray(16000, '\0')));
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<velmoran::WaveSound> parse(const QByteArray& bytes) {
  return parseWave(bytes.toStdString());
}

// ALSA's file device: what a sound sends to the speakers lands in the file instead.
std::string deviceWritingTo(const QString& path) {
  return "file:'" + path.toStdString() + "',raw";
}

bool waitUntilQuiet(const SoundPlayer& player) {
  QElapsedTimer clock;
  clock.start();
  while (player.isPlaying() && clock.elapsed() < 5000) QTest::qWait(10);
  return !player.isPlaying();
}

}  // namespace

class SoundTest : public QObject {
  Q_OBJECT

 private slots:
  void wavesAreRead_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<unsigned>("channels");
    QTest::addColumn<unsigned>("rate");
    QTest::addColumn<int>("sampleBytes");
    const QByteArray four("\1\2\3\4", 4);
    QTest::newRow("16-bit mono") << riff(formatChunk(1, 1, 22050, 16) + chunk("data", four))
                                 << Encoding::Int16 << 1u << 22050u << 4;
    QTest::newRow("8-bit stereo") << riff(formatChunk(1, 2, 11025, 8) + chunk("data", four))
                                  << Encoding::UInt8 << 2u << 11025u << 4;
    QTest::newRow("32-bit float") << riff(formatChunk(3, 1, 44100, 32) + chunk("data", four))
                                  << Encoding::Float << 1u << 44100u << 4;
    QTest::newRow("other chunks around, odd sized")
        << riff(chunk("LIST", "abc") + formatChunk(1, 1, 8000, 16) + chunk("fact", "x") +
                chunk("data", four))
        << Encoding::Int16 << 1u << 8000u << 4;
    QTest::newRow("data cut short keeps whole frames")
        << riff(formatChunk(1, 2, 8000, 16) + chunk("data", QByteArray(12, 'x'))).left(44 + 6)
        << Encoding::Int16 << 2u << 8000u << 4;
  }

  void wavesAreRead() {
    QFETCH(QByteArray, bytes);
    QFETCH(Encoding, encoding);
    QFETCH(unsigned, channels);
    QFETCH(unsigned, rate);
    QFETCH(int, sampleBytes);
    const auto sound = parse(bytes);
    QVERIFY(sound);
    QVERIFY(sound->encoding == encoding);
    QCOMPARE(sound->channels, channels);
    QCOMPARE(sound->sampleRate, rate);
    QCOMPARE(int(sound->samples.size()), sampleBytes);
  }

  void nonWavesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray data = chunk("data", "\1\2");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("not a sound");
    QTest::newRow("not WAVE") << QByteArray("RIFF\4\0\0\0AVI ");
    QTest::newRow("no format") << riff(data);
    QTest::newRow("no data") << riff(formatChunk(1, 1, 8000, 16));
    QTest::newRow("compressed") << riff(formatChunk(2, 1, 8000, 4) + data);
    QTest::newRow("12-bit") << riff(formatChunk(1, 1, 8000, 12) + data);
    QTest::newRow("no channels") << riff(formatChunk(1, 0, 8000, 16) + data);
    QTest::newRow("no rate") << riff(formatChunk(1, 1, 0, 16) + data);
    QTest::newRow("short format") << riff(chunk("fmt ", "\1\0\1\0") + data);
  }

  void nonWavesAreRefused() {
    QFETCH(QByteArray, bytes);
    QVERIFY(!parse(bytes));
  }

  void soundFilesOfTheGameAreWaves() {
    for (const char* name : {"top.dat", "sound.dat", "about.dat"}) {
      const auto sound = parse(readFile(QStringLiteral(VELMORAN_GAME_SOURCE "/%1").arg(name)));
      QVERIFY2(sound && !sound->samples.empty(), name);
    }
  }

  // The samples of a wave reach the device whole, a later sound takes the place of one still
  // playing, and names are found relative to the working folder.
  void soundsReachTheDevice() {
    QTemporaryDir dir;
    const QByteArray first(16000, 'a');
    const QByteArray second = QByteArray(800, 'b') + QByteArray(800, 'c');
    writeFile(dir.filePath(QStringLiteral("sound.dat")),
              riff(formatChunk(1, 1, 8000, 16) + chunk("data", first)));
    writeFile(dir.filePath(QStringLiteral("about.dat")),
              riff(formatChunk(1, 2, 8000, 8) + chunk("data", second)));
    const QString speakers = dir.filePath(QStringLiteral("speakers.raw"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SoundPlayer player(deviceWritingTo(speakers));
    // The file device takes the samples faster than they would sound: the player may be quiet
    // again before this thread looks, so only what reached the device is checked.
    player.play("sound.dat");
    QVERIFY(waitUntilQuiet(player));
    QCOMPARE(readFile(speakers), first);
    player.play("sound.dat");
    player.play("about.dat");
    QDir::setCurrent(before);
    QVERIFY(waitUntilQuiet(player));
    QCOMPARE(readFile(speakers), second);
  }

  // Whatever lies under a sound's name, and whether or not the machine has sound, the game
  // goes on at once and nothing plays: the player only reads regular files of a sane size,
  // without waiting for a pipe's writer or reading a device for ever.
  void oddFilesStaySilent_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"missing", "not a wave", "pipe", "link to /dev/zero", "folder",
                             "larger than any sound", "wave, no sound device"}) {
      QTest::newRow(kind) << QString::fromLatin1(kind);
    }
  }

  void oddFilesStaySilent() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("sound.dat"));
    const QString speakers = dir.filePath(QStringLiteral("speakers.raw"));
    std::string device = deviceWritingTo(speakers);
    if (kind == "not a wave") writeFile(name, "not a sound");
    if (kind == "pipe") QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    if (kind == "link to /dev/zero") QVERIFY(QFile::link(QStringLiteral("/dev/zero"), name));
    if (kind == "folder") QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sound.dat")));
    if (kind == "larger than any sound") {
      writeFile(name, riff(formatChunk(1, 1, 8000, 16) + chunk("data", QByteArray(64, 'a'))));
      QVERIFY(QFile::resize(name, velmoran::kLargestSoundFile + 1));
    }
    if (kind == "wave, no sound device") {
      writeFile(name, silence());
      device = "no such device";
    }

    SoundPlayer player(device);
    auto played = std::async(std::launch::async, [&] { player.play(name.toStdString()); });
    if (played.wait_for(std::chrono::seconds(3)) != std::future_status::ready) {
      // Free the player that waits for a writer, so that the test can end.
      ::close(::open(QFile::encodeName(name).constData(), O_WRONLY | O_NONBLOCK));
      QFAIL("the sound held the game up");
    }
    QVERIFY(waitUntilQuiet(player));
    QVERIFY(readFile(speakers).isEmpty());
  }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
