#include "platform/sound.h"
#include "support/stderrcapture.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QObject>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

struct Wave {
    bool ok = false;
    int format = 0, channels = 0, rate = 0, bits = 0;
    double seconds = 0;
    int peak = 0;              // largest sample magnitude
    double rms = 0;            // of the whole recording, in full-scale units (0..1)
    double firstSound = 0;     // seconds until the first sample above -40 dBFS
};

quint32 le(const QByteArray& b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | quint8(b[at + i]);
    return v;
}

// Reads a RIFF WAVE file chunk by chunk, as a player does: the format, then the sample data,
// which it measures when it is 16-bit PCM.
Wave readWave(const QByteArray& b)
{
    Wave w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return w;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = le(b, at + 4, 4);
        if (at + 8 + size > b.size())
            return w;
        if (id == "fmt " && size >= 16) {
            w.format = int(le(b, at + 8, 2));
            w.channels = int(le(b, at + 10, 2));
            w.rate = int(le(b, at + 12, 4));
            w.bits = int(le(b, at + 22, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat && w.rate > 0 && w.channels > 0 && w.bits > 0) {
            w.seconds = double(size) / (w.rate * w.channels * (w.bits / 8));
            w.ok = true;
            if (w.bits != 16)
                return w;
            const qsizetype samples = size / 2;
            double sum = 0;
            qsizetype first = -1;
            for (qsizetype i = 0; i < samples; ++i) {
                const int value = qint16(le(b, at + 8 + 2 * i, 2));
                const int magnitude = value < 0 ? -value : value;
                w.peak = std::max(w.peak, magnitude);
                sum += double(value) * value;
                if (first < 0 && magnitude > 328) // -40 dBFS
                    first = i;
            }
            w.rms = samples > 0 ? std::sqrt(sum / samples) / 32768.0 : 0;
            w.firstSound = first < 0 ? w.seconds : double(first) / (w.rate * w.channels);
            return w;
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

} // namespace

TEST(Sounds, EveryRecordingIsEmbeddedAsAShortAudibleMonoPcmWave)
{
    QStringList expected = {"entered", "selectbone", "clearbone", "sort", "placebone", "double", "pass",
                            "invalid", "turn", "turnnew", "roundover", "blocked", "winner"};
    for (int n = 1; n <= 20; ++n)
        expected << QStringLiteral("wave%1").arg(n);
    QStringList names = soundNames();
    names.sort();
    expected.sort();
    EXPECT_EQ(names, expected);

    qint64 totalBytes = 0;
    for (const QString& name : expected) {
        QFile file(soundResource(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name) << " is not embedded";
        const QByteArray bytes = file.readAll();
        totalBytes += bytes.size();
        const Wave w = readWave(bytes);
        ASSERT_TRUE(w.ok) << qPrintable(name) << " is not a readable wave";
        EXPECT_EQ(w.format, 1) << qPrintable(name) << " is not plain PCM";
        EXPECT_EQ(w.channels, 1) << qPrintable(name);
        EXPECT_EQ(w.bits, 16) << qPrintable(name);
        EXPECT_GE(w.rate, 8000) << qPrintable(name);
        EXPECT_LE(w.rate, 22050) << qPrintable(name);
        // A sound the player hears at once, at a level like the others, never clipped, and
        // over before the next event of the game could need the speaker.
        EXPECT_GT(w.rms, 0.02) << qPrintable(name) << " is (nearly) silent";
        EXPECT_LT(w.peak, 32767) << qPrintable(name) << " clips";
        EXPECT_LT(w.firstSound, 0.1) << qPrintable(name) << " starts late";
        EXPECT_GE(w.seconds, 0.1) << qPrintable(name);
        EXPECT_LE(w.seconds, 5.5) << qPrintable(name);
    }
    EXPECT_LT(totalBytes, 2 * 1024 * 1024);
}

TEST(Sounds, NamesAreFoundWhateverTheirLetterCase)
{
    EXPECT_EQ(soundResource("PLACEBONE"), QStringLiteral(":/sounds/placebone.wav"));
    EXPECT_EQ(soundResource("Wave13"), QStringLiteral(":/sounds/wave13.wav"));
    EXPECT_TRUE(QFile::exists(soundResource("TurnNew")));
    for (const char* unknown : {"", "wave0", "wave21", "applause", "../sounds/pass", "pass.wav"})
        EXPECT_TRUE(soundResource(unknown).isEmpty()) << unknown;
}

TEST(Sounds, PlayerNeverComplainsOrStalls)
{
    // With or without an audio device, playing returns at once, never crashes, and never writes
    // to stderr: an unknown name or a missing device is no news to the player, and a wave Qt
    // cannot decode would show up here as a complaint.
    QObject owner;
    const std::string noise = capturedStderr([&] {
        SoundPlayer* player = createSystemSoundPlayer(&owner);
        ASSERT_NE(player, nullptr);
        for (const QString& name : soundNames()) {
            player->play(name);
            player->play(name.toUpper());
        }
        for (const char* unknown : {"", "nosuchsound", "wave99", "PLACEBONE.WAV"})
            player->play(QString::fromLatin1(unknown));
        player->play("winner");
        player->play("winner");
        // Let the deferred loading run.
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
    });
    EXPECT_EQ(noise, "");
}
