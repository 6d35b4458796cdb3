// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "platform/wave_file.h"

using velmoran::parseWave;
using velmoran::SoundPlayer;

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

}  // namespace

class SoundTest : public QObject {
  Q_OBJECT

 private slots:
  void wavesAreRead_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("sampleFormat");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("sampleBytes");
    const QByteArray four("\1\2\3\4", 4);
    QTest::newRow("16-bit mono") << riff(formatChunk(1, 1, 22050, 16) + chunk("data", four))
                                 << int(QAudioFormat::Int16) << 1 << 22050 << 4;
    QTest::newRow("8-bit stereo") << riff(formatChunk(1, 2, 11025, 8) + chunk("data", four))
                                  << int(QAudioFormat::UInt8) << 2 << 11025 << 4;
    QTest::newRow("32-bit float") << riff(formatChunk(3, 1, 44100, 32) + chunk("data", four))
                                  << int(QAudioFormat::Float) << 1 << 44100 << 4;
    QTest::newRow("other chunks around, odd sized")
        << riff(chunk("LIST", "abc") + formatChunk(1, 1, 8000, 16) + chunk("fact", "x") +
                chunk("data", four))
        << int(QAudioFormat::Int16) << 1 << 8000 << 4;
    QTest::newRow("data cut short keeps whole frames")
        << riff(formatChunk(1, 2, 8000, 16) + chunk("data", QByteArray(12, 'x'))).left(44 + 6)
        << int(QAudioFormat::Int16) << 2 << 8000 << 4;
  }

  void wavesAreRead() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, sampleFormat);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, sampleBytes);
    const auto sound = parseWave(bytes);
    QVERIFY(sound);
    QCOMPARE(int(sound->format.sampleFormat()), sampleFormat);
    QCOMPARE(sound->format.channelCount(), channels);
    QCOMPARE(sound->format.sampleRate(), rate);
    QCOMPARE(sound->samples.size(), sampleBytes);
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
    QVERIFY(!parseWave(bytes));
  }

  void soundFilesOfTheGameAreWaves() {
    for (const char* name : {"top.dat", "sound.dat", "about.dat"}) {
      QFile file(QStringLiteral(VELMORAN_GAME_SOURCE "/%1").arg(QString::fromLatin1(name)));
      if (!file.open(QIODevice::ReadOnly)) continue;
      const auto sound = parseWave(file.readAll());
      QVERIFY2(sound && !sound->samples.isEmpty(), name);
    }
  }

  // A sound plays where the machine has speakers; on any machine missing and broken files,
  // and sounds cut short by the next one, stay silent and never hold the game up.
  void playerNeverFails() {
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("top.dat")), silence());
    writeFile(dir.filePath(QStringLiteral("broken.dat")), "not a sound");
    const bool speakers = !QMediaDevices::defaultAudioOutput().isNull();

    SoundPlayer player;
    QElapsedTimer clock;
    clock.start();
    for (const char* name : {"missing.dat", "broken.dat", "top.dat", "missing.dat", "top.dat",
                             "top.dat", "broken.dat"}) {
      player.play(dir.filePath(QString::fromLatin1(name)));
      QCOMPARE(player.isPlaying(), speakers && QByteArray(name) == "top.dat");
    }
    QVERIFY(clock.elapsed() < 5000);
  }

  void relativeNamesAreFoundInTheWorkingFolder() {
    if (QMediaDevices::defaultAudioOutput().isNull()) QSKIP("no speakers on this machine");
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("sound.dat")), silence());
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SoundPlayer player;
    player.play(QStringLiteral("sound.dat"));
    QDir::setCurrent(before);
    QVERIFY(player.isPlaying());
  }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
