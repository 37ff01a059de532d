// A long run of the window, as on a shop computer that keeps the calculator
// open for days: a week of clock ticks and many conversions, through the
// handlers, with resident memory and the number of Qt objects watched.
#include "tests/WindowTest.h"

#include <QLabel>
#include <QMutex>
#include <QSet>
#include <QtCore/private/qhooks_p.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <fstream>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kTicks = 7 * 24 * 60 * 60;
constexpr int kConversions = 100'000;
constexpr int kSettled = 1'000;
constexpr int kMemoryCheckEvery = 1'000;
constexpr long kMemorySlack = 1024 * 1024;
constexpr qreal kResultPointSize = 24;

// Results short enough for the boxes' own size, and results that the boxes
// must shrink to fit.
const std::array kFittingEntries{u"1.3"_s, u"0.25"_s, u"2"_s, u"0.1"_s, u"-0.1"_s};
const std::array kShrinkingEntries{u"999999"_s, u"-99999"_s, u"9999.9"_s, u"123456"_s};

// The QObjects made after the start of a watch and still alive, from any
// thread.
class NewObjects {
public:
    NewObjects()
    {
        qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(&added);
        qtHookData[QHooks::RemoveQObject] = reinterpret_cast<quintptr>(&removed);
    }
    ~NewObjects()
    {
        qtHookData[QHooks::AddQObject] = 0;
        qtHookData[QHooks::RemoveQObject] = 0;
    }
    NewObjects(const NewObjects &) = delete;
    NewObjects &operator=(const NewObjects &) = delete;

    // Forgets the objects made so far.
    void watchFromHere()
    {
        const QMutexLocker locker(&s_mutex);
        s_alive.clear();
    }

    // The class names of the objects made since watchFromHere() that live.
    QStringList alive() const
    {
        const QMutexLocker locker(&s_mutex);
        QStringList names;
        for (const QObject *object : std::as_const(s_alive))
            names.append(QString::fromLatin1(object->metaObject()->className()));
        names.sort();
        return names;
    }

private:
    static void added(QObject *object)
    {
        const QMutexLocker locker(&s_mutex);
        s_alive.insert(object);
    }
    static void removed(QObject *object)
    {
        const QMutexLocker locker(&s_mutex);
        s_alive.remove(object);
    }

    static inline QMutex s_mutex;
    static inline QSet<const QObject *> s_alive;
};

long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

} // namespace

class tst_Soak : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aWeekAtTheMachine();
};

void tst_Soak::aWeekAtTheMachine()
{
    NewObjects objects;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *entry = control<QLineEdit>(form, "txtinch");
    auto *whole = control<QLabel>(form, "lblwhole");
    auto *divisions = control<QLabel>(form, "lbldecimal");

    long settledMemory = 0;
    long furthest = 0;
    int conversions = 0;
    for (int step = 0; step < kTicks; ++step) {
        form.tmrclock_Timer();
        // The conversions spread evenly over the ticks, shrinking and fitting
        // results in turn.
        if (conversions < qint64(step + 1) * kConversions / kTicks) {
            const bool shrinks = conversions % 2 == 1;
            const auto pick = std::size_t(conversions / 2);
            entry->setText(shrinks ? kShrinkingEntries[pick % kShrinkingEntries.size()]
                                   : kFittingEntries[pick % kFittingEntries.size()]);
            form.cmdCalculate_Click();
            ++conversions;
            if (shrinks)
                QVERIFY2(whole->font().pointSizeF() < kResultPointSize, qPrintable(whole->text()));
            else if (whole->font().pointSizeF() != kResultPointSize
                     || divisions->font().pointSizeF() != kResultPointSize)
                QFAIL(qPrintable(u"%1 %2 not at full size"_s.arg(whole->text(), divisions->text())));
        }
        drainEvents();

        if (step + 1 == kSettled) {
            settledMemory = residentBytes();
            objects.watchFromHere();
        } else if (step >= kSettled && (step + 1) % kMemoryCheckEvery == 0) {
            furthest = std::max(furthest, std::abs(residentBytes() - settledMemory));
            const QStringList alive = objects.alive();
            QVERIFY2(alive.isEmpty(), qPrintable(u"new objects: "_s + alive.join(u", "_s)));
        }
    }
    QCOMPARE(conversions, kConversions);
    qInfo("%d ticks, %d conversions; resident memory %ld KiB after %d steps, furthest %ld KiB "
          "from it",
          kTicks, conversions, settledMemory / 1024, kSettled, furthest / 1024);
    QVERIFY2(furthest <= kMemorySlack, qPrintable(u"%1 bytes"_s.arg(furthest)));
}

BRANTILE_WINDOW_TEST_MAIN(tst_Soak)
#include "tst_soak.moc"
