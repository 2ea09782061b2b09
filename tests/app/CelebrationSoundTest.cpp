// Plays the celebration for real: a PulseAudio server of the test's own has a
// single sink that plays into nothing, and parec records that sink's monitor,
// so the test hears exactly what the program played.
#include "document/MainBoard.h"
#include "services/AssetLocator.h"
#include "windows/WinnerForm.h"

#include "NextModal.h"
#include "RecordingServices.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace tiplark;

namespace {

constexpr char SinkName[] = "celebration";
constexpr int RecordingRate = 16000;
// Below a hundredth of full scale counts as silence.
constexpr int AudibleLevel = 328;

struct Sound {
    std::vector<qint16> samples;  // mono
    int rate = 0;

    double seconds() const { return double(samples.size()) / rate; }
};

// Byte by byte: GCC's bounds analysis misreads Qt's unaligned loads.
quint32 littleEndian(const char* bytes, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[i]);
    return value;
}

std::vector<qint16> littleEndianSamples(const char* bytes, qsizetype byteCount)
{
    std::vector<qint16> samples(byteCount / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = qint16(quint16(littleEndian(bytes + 2 * i, 2)));
    return samples;
}

// A 16-bit mono PCM WAV file, as the program's sounds are made.
std::optional<Sound> readWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    const auto u16 = [&](qsizetype at) { return quint16(littleEndian(bytes.constData() + at, 2)); };
    const auto u32 = [&](qsizetype at) { return littleEndian(bytes.constData() + at, 4); };
    Sound sound;
    bool monoPcm16 = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (size > bytes.size() - body)
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            monoPcm16 = u16(body) == 1 && u16(body + 2) == 1 && u16(body + 14) == 16;
            sound.rate = int(u32(body + 4));
        } else if (id == "data") {
            sound.samples = littleEndianSamples(bytes.constData() + body, size);
        }
        at = body + size + (size & 1);
    }
    if (!monoPcm16 || sound.rate <= 0 || sound.samples.empty())
        return std::nullopt;
    return sound;
}

// The stretch from the first to the last audible sample, in seconds, and its
// loudness.
struct Audible {
    double start;
    double end;
    double rms;

    double length() const { return end - start; }
};

std::optional<Audible> audible(const Sound& sound)
{
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) >= AudibleLevel; };
    const auto first = std::find_if(sound.samples.begin(), sound.samples.end(), loud);
    if (first == sound.samples.end())
        return std::nullopt;
    const auto last = std::find_if(sound.samples.rbegin(), sound.samples.rend(), loud).base();
    double squares = 0;
    for (auto sample = first; sample != last; ++sample)
        squares += double(*sample) * *sample;
    return Audible{double(first - sound.samples.begin()) / sound.rate, double(last - sound.samples.begin()) / sound.rate,
                   std::sqrt(squares / double(last - first))};
}

double correlation(const qint16* a, const qint16* b, qsizetype count)
{
    double product = 0, energyA = 0, energyB = 0;
    for (qsizetype i = 0; i < count; ++i) {
        product += double(a[i]) * b[i];
        energyA += double(a[i]) * a[i];
        energyB += double(b[i]) * b[i];
    }
    return energyA > 0 && energyB > 0 ? product / std::sqrt(energyA * energyB) : 0;
}

// How faithfully `heard` carries `played` (at the same rate), from -1 to 1:
// the median, over tenth-of-a-second pieces of what was played, of each
// piece's best correlation with the recording. Each piece is looked for near
// where the one before it was found, so a short stall of the playback under
// load shifts the rest without spoiling it.
double likeness(const Sound& heard, const Audible& heardPart, const Sound& played, const Audible& playedPart)
{
    const qsizetype piece = played.rate / 10;
    const qsizetype reach = played.rate / 10;
    qsizetype lag = std::lround((heardPart.start - playedPart.start) * played.rate);
    const auto end = qsizetype(playedPart.end * played.rate);
    std::vector<double> scores;
    for (auto begin = qsizetype(playedPart.start * played.rate); begin + piece <= end; begin += piece) {
        double best = -1;
        qsizetype bestLag = lag;
        for (qsizetype candidate = lag - reach; candidate <= lag + reach; ++candidate) {
            if (begin + candidate < 0 || begin + candidate + piece > qsizetype(heard.samples.size()))
                continue;
            const double score = correlation(&played.samples[begin], &heard.samples[begin + candidate], piece);
            if (score > best) {
                best = score;
                bestLag = candidate;
            }
        }
        scores.push_back(best);
        lag = bestLag;
    }
    if (scores.empty())
        return -1;
    std::nth_element(scores.begin(), scores.begin() + scores.size() / 2, scores.end());
    return scores[scores.size() / 2];
}

// A PulseAudio server in a private folder, so it runs beside any other (and
// as root in CI); it stays up however long it is idle.
class PulseServer {
public:
    PulseServer()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_folder.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(QStringLiteral(PULSEAUDIO),
                        {QStringLiteral("--daemonize=no"), QStringLiteral("-n"), QStringLiteral("--exit-idle-time=-1"),
                         QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr"),
                         QStringLiteral("--log-level=error"), QStringLiteral("-L"),
                         // At one fixed rate the monitor records from the start.
                         QStringLiteral("module-null-sink sink_name=%1 rate=48000 channels=1").arg(QLatin1String(SinkName)),
                         QStringLiteral("-L"),
                         QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1").arg(socket())});
    }
    ~PulseServer()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
    }

    QString socket() const { return m_folder.filePath(QStringLiteral("native")); }
    bool started() { return m_process.waitForStarted(); }
    bool running() const { return m_process.state() == QProcess::Running; }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
};

// Everything the server plays from the moment it is made, as 16-bit mono.
class Recording {
public:
    Recording()
    {
        m_parec.start(QStringLiteral(PAREC),
                      {QStringLiteral("--device=%1.monitor").arg(QLatin1String(SinkName)), QStringLiteral("--raw"),
                       QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(RecordingRate),
                       QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
    }
    ~Recording()
    {
        m_parec.kill();
        m_parec.waitForFinished();
    }

    Sound sound()
    {
        m_bytes += m_parec.readAllStandardOutput();
        return Sound{littleEndianSamples(m_bytes.constData(), m_bytes.size()), RecordingRate};
    }

private:
    QProcess m_parec;
    QByteArray m_bytes;
};

}  // namespace

class CelebrationSoundTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void playsItsWholeSound_data();
    void playsItsWholeSound();
    void closingTheWindowStopsTheSound_data();
    void closingTheWindowStopsTheSound();

private:
    void addCelebrations();
    // Clicks Champion after setting it to `champion` and runs `during` while
    // the celebration is open; returns whether it opened.
    bool celebrate(const QString& champion, const std::function<void(TWinnerForm&)>& during);
    // The recording must be running before the celebration opens.
    void startRecording();
    // Waits until the recorder has heard `seconds` more of the sink.
    void awaitRecorded(double seconds);
    // One of the program's sounds, read from the file the program plays.
    std::optional<Sound> programSound(const QString& fileName);

    std::unique_ptr<PulseServer> m_server;
    std::unique_ptr<testing::BoardHarness> m_h;
    std::unique_ptr<Recording> m_recording;
};

void CelebrationSoundTest::initTestCase()
{
    m_server = std::make_unique<PulseServer>();
    QVERIFY2(m_server->started(), PULSEAUDIO " starts");
    QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo::exists(m_server->socket()) || !m_server->running(), "the sound server starts",
                              15000);
    QVERIFY2(m_server->running(), "the sound server keeps running");
    // Read by Qt Multimedia when it first looks for sound devices, and by parec.
    qputenv("PULSE_SERVER", "unix:" + m_server->socket().toLocal8Bit());
}

void CelebrationSoundTest::init()
{
    m_recording.reset();
    m_h = std::make_unique<testing::BoardHarness>();
    m_h->main.preferences().favoriteIndex = 11;  // Germany
    m_h->main.ApplyLanguage();
}

void CelebrationSoundTest::addCelebrations()
{
    QTest::addColumn<QString>("champion");
    QTest::addColumn<QString>("soundFile");
    QTest::newRow("favourite cheered") << QStringLiteral("Germany") << QStringLiteral("Cheers.wav");
    QTest::newRow("other team booed") << QStringLiteral("Brazil") << QStringLiteral("Boo.wav");
}

bool CelebrationSoundTest::celebrate(const QString& champion, const std::function<void(TWinnerForm&)>& during)
{
    m_h->set("Champion", champion.toStdString());
    bool opened = false;
    const testing::NextModal answer([&](QWidget* window) {
        if (auto* form = qobject_cast<TWinnerForm*>(window)) {
            opened = true;
            during(*form);
            form->close();
        }
    });
    showCelebrationWindow(nullptr, m_h->main);
    return opened;
}

void CelebrationSoundTest::awaitRecorded(double seconds)
{
    const double until = m_recording->sound().seconds() + seconds;
    QTRY_VERIFY_WITH_TIMEOUT(m_recording->sound().seconds() >= until, int(seconds * 1000) + 10000);
}

void CelebrationSoundTest::startRecording()
{
    m_recording = std::make_unique<Recording>();
    QTRY_VERIFY2_WITH_TIMEOUT(m_recording->sound().seconds() > 0.2, "the recorder hears the sink", 15000);
    QVERIFY2(!audible(m_recording->sound()), "the sink is silent before the celebration");
}

std::optional<Sound> CelebrationSoundTest::programSound(const QString& fileName)
{
    return readWave(AssetLocator().find(fileName));
}

void CelebrationSoundTest::playsItsWholeSound_data()
{
    addCelebrations();
}

void CelebrationSoundTest::playsItsWholeSound()
{
    QFETCH(QString, champion);
    QFETCH(QString, soundFile);
    const std::optional<Sound> played = programSound(soundFile);
    QVERIFY2(played && played->rate == RecordingRate, "the sound beside the program is a 16 kHz mono WAV file");
    const std::optional<Audible> expected = audible(*played);
    QVERIFY(expected);
    startRecording();

    const bool opened = celebrate(champion, [&](TWinnerForm& form) {
        QSoundEffect* player = form.activePlayer();
        QVERIFY2(player, "the sound server is found as a sound device");
        QTRY_VERIFY(player->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), int(expected->end * 1000) + 5000);
        // What the sink still holds reaches the recorder.
        awaitRecorded(0.5);
    });
    QVERIFY(opened);

    const Sound recorded = m_recording->sound();
    const std::optional<Audible> heard = audible(recorded);
    QVERIFY2(heard, "the recording is not silent");
    QVERIFY2(std::abs(heard->length() - expected->length()) < 0.2,
             qPrintable(QStringLiteral("heard %1 s of a %2 s sound").arg(heard->length()).arg(expected->length())));
    QVERIFY2(std::abs(heard->rms / expected->rms - 1) < 0.2,
             qPrintable(QStringLiteral("heard at %1, the file is at %2").arg(heard->rms).arg(expected->rms)));
    const double faithfulness = likeness(recorded, *heard, *played, *expected);
    QVERIFY2(faithfulness > 0.8,
             qPrintable(QStringLiteral("the recording resembles %1 only by %2").arg(soundFile).arg(faithfulness)));
}

void CelebrationSoundTest::closingTheWindowStopsTheSound_data()
{
    addCelebrations();
}

void CelebrationSoundTest::closingTheWindowStopsTheSound()
{
    QFETCH(QString, champion);
    QFETCH(QString, soundFile);
    const std::optional<Sound> played = programSound(soundFile);
    QVERIFY(played);
    const std::optional<Audible> expected = audible(*played);
    QVERIFY(expected);
    startRecording();

    double closedAt = 0;
    const bool opened = celebrate(champion, [&](TWinnerForm& form) {
        QTRY_VERIFY2(audible(m_recording->sound()), "the sound starts");
        awaitRecorded(0.5);
        QTest::keyClick(&form, Qt::Key_Escape);
        closedAt = m_recording->sound().seconds();
        QVERIFY(!form.isVisible());
    });
    QVERIFY(opened);
    QVERIFY(closedAt > 0);
    // Long enough for the rest of the sound to have been heard.
    awaitRecorded(2.0);

    const Sound recorded = m_recording->sound();
    const std::optional<Audible> heard = audible(recorded);
    QVERIFY(heard);
    QVERIFY2(heard->end < closedAt + 0.3,
             qPrintable(QStringLiteral("closed at %1 s, heard until %2 s").arg(closedAt).arg(heard->end)));
    QVERIFY2(recorded.seconds() > heard->end + 1.5, "the recorder went on hearing silence");
    QVERIFY(heard->length() < expected->length() - 1);
}

QTEST_MAIN(CelebrationSoundTest)
#include "CelebrationSoundTest.moc"
