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
#include <numeric>
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

// 16-bit samples as fractions of full scale.
std::vector<float> samplesOf(const QByteArray& pcm)
{
    std::vector<float> samples(pcm.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = qFromLittleEndian<qint16>(pcm.constData() + 2 * i) / 32768.0f;
    return samples;
}

double dot(const float* a, const float* b, qsizetype n) { return std::inner_product(a, a + n, b, 0.0); }
double likeness(const float* a, const float* b, qsizetype n) { return dot(a, b, n) / std::sqrt(dot(a, a, n) * dot(b, b, n) + 1e-20); }

// The sounds of a recording in order, each named by its file, followed by
// " cut" when it stops before its end.
QStringList recognise(const std::vector<float>& y, const std::vector<Sound>& sounds)
{
    QStringList heard;
    const auto size = qsizetype(y.size());
    for (qsizetype at = 0, previousEnd = 0; at < size - kWindow - kSearch;) {
        if (dot(&y[at], &y[at], kWindow) < kWindow * 1e-6) {
            at += kBlock / 4;  // silence
            continue;
        }
        const Sound* sound = nullptr;
        double best = 0.8;
        for (const Sound& candidate : sounds) {
            if (const double l = likeness(&y[at], &candidate.samples[kSkip], kWindow); l > best)
                best = l, sound = &candidate;
        }
        if (!sound) {
            ++at;
            continue;
        }
        // Where the whole sound fits best: a steady tone also matches itself a
        // period away. A sound may begin within the last blocks of the one it cuts.
        const std::vector<float>& t = sound->samples;
        const auto length = qsizetype(t.size());
        qsizetype start = at - kSkip;
        best = -1;
        for (qsizetype s = std::max({at - kSkip - kSearch, previousEnd - 2 * kBlock, qsizetype(0)}); s <= at - kSkip + kSearch; ++s) {
            const double l = likeness(&y[s + kSkip], &t[kSkip], qMin(length, size - s) - kSkip);
            if (l > best)
                best = l, start = s;
        }
        // Heard up to two blocks in a row that are missing or unlike the file.
        qsizetype block = 1;
        for (int misses = 0; block * kBlock < length && start + (block + 1) * kBlock <= size && misses < 2; ++block) {
            const qsizetype n = qMin(kBlock, length - block * kBlock);
            const float *got = &y[start + block * kBlock], *want = &t[block * kBlock];
            const double wanted = dot(want, want, n), level = dot(got, got, n);
            const bool missing = wanted < n * 1e-6 ? level > 9 * wanted + n * 1e-6
                                                    : likeness(got, want, n) < 0.5 || level < wanted / 10 || level > wanted * 10;
            misses = missing ? misses + 1 : 0;
            if (misses == 2)
                block -= 2;
        }
        const qsizetype played = qMin(block * kBlock, length);
        heard << (played + 2 * kBlock > length ? sound->name : sound->name + u" cut"_s);
        previousEnd = start + played;
        at = qMax(at + kBlock, start + qMax(played, 2 * kBlock));
    }
    return heard;
}

} // namespace

class TestHeard : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;
    QProcess recorder_;  // the sink's monitor
    QByteArray recorded_;
    std::vector<Sound> sounds_;
    // Boxes stay open half a second: the sound of a verdict is heard under its box.
    driving::BoxAnswerer boxes_{500};

    qsizetype recordedBytes()
    {
        recorded_ += recorder_.readAllStandardOutput();
        return recorded_.size() & ~1;
    }
    // What was heard from a mark to a second of silence after the last sound.
    QString heardSince(qsizetype mark)
    {
        QTest::qWait(1000);
        return recognise(samplesOf(recorded_.mid(mark, recordedBytes() - mark)), sounds_).join(u", "_s);
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
            sounds_.push_back({name, samplesOf(file.readAll().mid(44))});  // past the plain header of our files
            QVERIFY(sounds_.back().samples.size() > size_t(kSkip + kWindow));
        }
        // A short latency keeps the null sink from rendering seconds ahead;
        // when it does, its monitor loses even sounds that nothing cut.
        recorder_.start(u"parecord"_s, {u"--device=@DEFAULT_MONITOR@"_s, u"--raw"_s, u"--format=s16le"_s, u"--channels=1"_s,
                                        u"--rate=%1"_s.arg(kRate), u"--latency-msec=10"_s});
        QVERIFY2(recorder_.waitForStarted() && QTest::qWaitFor([this] { return recordedBytes() > kRate; }, 10000),
                 "parecord records nothing from the null sink");
        win::Geomira.Show();
        win::Geomira->Label3_Click();
        QTRY_VERIFY(driving::hubShown());
    }

    void countdownTicksThenTimeOver()
    {
        // Six seconds: the opening tick and the next at 5 tick, the last four
        // beep, and the time-over sound cuts the fourth beep as it starts.
        const qsizetype mark = recordedBytes();
        playToTheEnd(1, 6, [](CarteDep*) {});
        QString heard = heardSince(mark);
        heard.replace(u"beep.wav cut, Erreur.wav"_s, u"Erreur.wav"_s);
        QCOMPARE(heard, u"clock.wav, clock.wav, beep.wav, beep.wav, beep.wav, Erreur.wav"_s);
    }

    void refusedAnswerWithTheSoundSwitchedOff()
    {
        const qsizetype mark = recordedBytes();
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
        const qsizetype mark = recordedBytes();
        platform::PlaySound(platform::appFile(u"Erreur.wav"_s));
        QTest::qWait(200);
        platform::PlaySound(platform::appFile(u"Message.wav"_s));
        QCOMPARE(heardSince(mark), u"Erreur.wav cut, Message.wav"_s);
    }

    void cleanupTestCase()
    {
        win::UnloadAll();
        recorder_.kill();
        recorder_.waitForFinished();
    }
};

QTEST_MAIN(TestHeard)
#include "tst_heard.moc"
