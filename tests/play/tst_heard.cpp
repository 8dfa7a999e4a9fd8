// What reaches the sound server when the program plays, with its real sound
// service: the monitor of the null sink of play-with-sound.sh is recorded, and
// the sounds in the recording are recognised by their samples. Without a sound
// server there is nothing to hear: the test says so and passes.
#include "Driving.h"
#include "app/Application.h"
#include "app/Geomira.h"
#include "app/Rapport.h"
#include "platform/FileSystem.h"
#include "platform/Sound.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Our sound files are 16-bit mono at this rate, and so is the recording.
constexpr int kRate = 22050;
constexpr qsizetype kBlock = kRate / 100;  // 10 ms
// A stream's first milliseconds reach the sink softened: sounds are recognised from 10 ms in.
constexpr qsizetype kSkip = kBlock;
constexpr qsizetype kWindow = 2 * kBlock;   // the 20 ms that name a sound
constexpr qsizetype kSearch = 3 * kBlock;  // how far a sound's start is looked for around its first match

struct Sound {
    QString name;
    std::vector<float> samples;
};

std::vector<float> samplesOf(const QByteArray& wav)
{
    std::vector<float> samples;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const qsizetype size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (wav.mid(at, 4) == "data") {
            for (qsizetype i = at + 8; i + 1 < qMin(wav.size(), at + 8 + size); i += 2)
                samples.push_back(qFromLittleEndian<qint16>(wav.constData() + i) / 32768.0f);
            break;
        }
        at += 8 + size + (size & 1);
    }
    return samples;
}

double dot(const float* a, const float* b, qsizetype n)
{
    double sum = 0;
    for (qsizetype i = 0; i < n; ++i)
        sum += double(a[i]) * b[i];
    return sum;
}

double likeness(const float* a, const float* b, qsizetype n) { return dot(a, b, n) / std::sqrt(dot(a, a, n) * dot(b, b, n) + 1e-20); }

// The sounds of a recording in order, each named by its file, followed by
// " cut" when it stops before its end.
QStringList recognise(const std::vector<float>& y, const std::vector<Sound>& sounds)
{
    QStringList heard;
    const qsizetype end = qsizetype(y.size()) - kWindow - kSearch;
    qsizetype at = 0, previousEnd = 0;
    while (at < end) {
        if (dot(&y[at], &y[at], kWindow) < kWindow * 1e-6) {
            at += kBlock / 4;  // silence
            continue;
        }
        const Sound* sound = nullptr;
        double best = 0.8;
        for (const Sound& candidate : sounds) {
            const double l = likeness(&y[at], candidate.samples.data() + kSkip, kWindow);
            if (l > best)
                best = l, sound = &candidate;
        }
        if (!sound) {
            ++at;
            continue;
        }
        // Where the whole sound fits best: a steady tone also matches itself a
        // period away. A sound may begin within the last blocks of the one it cuts.
        const std::vector<float>& t = sound->samples;
        const qsizetype length = qMin(qsizetype(t.size()) - kSkip, qsizetype(y.size()) - at - kSearch);
        qsizetype start = at - kSkip;
        best = -1;
        for (qsizetype s = std::max({at - kSkip - kSearch, previousEnd - 2 * kBlock, qsizetype(0)}); s <= at - kSkip + kSearch;
             ++s) {
            const double l = likeness(&y[s + kSkip], t.data() + kSkip, length);
            if (l > best)
                best = l, start = s;
        }
        // Heard up to two blocks in a row that are missing or unlike the file.
        qsizetype block = 1, misses = 0;
        for (; block * kBlock < qsizetype(t.size()) && start + (block + 1) * kBlock <= qsizetype(y.size()); ++block) {
            const qsizetype n = qMin(kBlock, qsizetype(t.size()) - block * kBlock);
            const float* got = &y[start + block * kBlock];
            const float* want = &t[block * kBlock];
            const double wanted = dot(want, want, n), got2 = dot(got, got, n);
            const bool missing = wanted < n * 1e-6 ? got2 > 9 * wanted + n * 1e-6
                                                    : likeness(got, want, n) < 0.5 || got2 < wanted / 10 || got2 > wanted * 10;
            if (!missing)
                misses = 0;
            else if (++misses == 2) {
                --block;
                break;
            }
        }
        const qsizetype played = qMin(block * kBlock, qsizetype(t.size()));
        heard << (played + 2 * kBlock > qsizetype(t.size()) ? sound->name : sound->name + u" cut"_s);
        previousEnd = start + played;
        at = qMax(at + kBlock, start + qMax(played, 2 * kBlock));
    }
    return heard;
}

// The sink's monitor, recorded from the start of the test.
class Recorder {
public:
    bool start()
    {
        // A short latency keeps the null sink from rendering seconds ahead;
        // when it does, its monitor loses even sounds that nothing cut.
        process_.start(u"parecord"_s, {u"--device=@DEFAULT_MONITOR@"_s, u"--raw"_s, u"--format=s16le"_s, u"--channels=1"_s,
                                       u"--rate=%1"_s.arg(kRate), u"--latency-msec=10"_s});
        // Recording has begun once samples come.
        return process_.waitForStarted() && QTest::qWaitFor([this] { return position() > kRate / 5; }, 10000);
    }
    ~Recorder()
    {
        process_.kill();
        process_.waitForFinished();
    }
    qsizetype position()
    {
        data_ += process_.readAllStandardOutput();
        return data_.size() / 2;
    }
    std::vector<float> since(qsizetype mark)
    {
        std::vector<float> samples;
        for (qsizetype i = mark; i < position(); ++i)
            samples.push_back(qFromLittleEndian<qint16>(data_.constData() + 2 * i) / 32768.0f);
        return samples;
    }

private:
    QProcess process_;
    QByteArray data_;
};

} // namespace

class TestHeard : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;
    Recorder recorder_;
    std::vector<Sound> sounds_;
    // Boxes stay open half a second: the sound of a verdict is heard under its box.
    driving::BoxAnswerer boxes_{500};

    // What was heard from a mark to a second of silence after the last sound.
    QString heardSince(qsizetype mark)
    {
        QTest::qWait(1000);
        return recognise(recorder_.since(mark), sounds_).join(u", "_s);
    }

    void playToTheEnd(int game, int seconds, const std::function<void(CarteDep*)>& answer)
    {
        driving::playGame(game, 1, seconds);
        QTRY_VERIFY_WITH_TIMEOUT(win::CarteDep.isLoaded() && win::CarteDep->isVisible(), 20000);
        answer(win::CarteDep.ifLoaded());
        QTRY_VERIFY_WITH_TIMEOUT(win::Rapport.isVisible() || driving::hubShown(), 20000);
        if (win::Rapport.isVisible())
            win::Rapport->Fermer->click();
        QTRY_VERIFY(driving::hubShown());
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            QSKIP("no sound server: nothing to hear");
        PrepareApplication(*qApp);
        const QString from = qEnvironmentVariable("GEOMIRA_APP_DIR");
        driving::copyWithoutData(from, folder_.path());
        platform::setAppPath(folder_.path());
        for (const QString& name : {u"Message.wav"_s, u"Erreur.wav"_s, u"Faute.wav"_s, u"clock.wav"_s, u"beep.wav"_s}) {
            QFile file(QDir(from).filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            sounds_.push_back({name, samplesOf(file.readAll())});
            QVERIFY(sounds_.back().samples.size() > size_t(kSkip + kWindow));
        }
        QVERIFY2(recorder_.start(), "parecord records nothing from the null sink");
        win::Geomira.Show();
        win::Geomira->Label3_Click();
        QTRY_VERIFY(driving::hubShown());
    }

    void countdownTicksThenTimeOver()
    {
        // Six seconds: the opening tick and the next at 5 tick, the last four
        // beep, and the time-over sound cuts the fourth beep as it starts.
        const qsizetype mark = recorder_.position();
        playToTheEnd(1, 6, [](CarteDep*) {});
        QString heard = heardSince(mark);
        heard.replace(u"beep.wav cut, Erreur.wav"_s, u"Erreur.wav"_s);
        QCOMPARE(heard, u"clock.wav, clock.wav, beep.wav, beep.wav, beep.wav, Erreur.wav"_s);
    }

    void refusedAnswerWithTheSoundSwitchedOff()
    {
        const qsizetype mark = recorder_.position();
        win::Sommaire->Horloge->click();
        playToTheEnd(1, 3, [](CarteDep* quiz) {
            quiz->Rep->setText(u"Paris2"_s);
            int16_t enter = 13;
            quiz->Rep_KeyPress(enter);
        });
        QCOMPARE(heardSince(mark), u"Faute.wav, Erreur.wav"_s);
    }

    void aSoundCutByTheNext()
    {
        const qsizetype mark = recorder_.position();
        platform::PlaySound(platform::appFile(u"Erreur.wav"_s));
        QTest::qWait(200);
        platform::PlaySound(platform::appFile(u"Message.wav"_s));
        QCOMPARE(heardSince(mark), u"Erreur.wav cut, Message.wav"_s);
    }

    void cleanupTestCase() { win::UnloadAll(); }
};

QTEST_MAIN(TestHeard)
#include "tst_heard.moc"
