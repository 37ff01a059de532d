#include "form/ClockTick.h"
#include "tests/Places.h"
#include "tests/WindowTest.h"
#include "ui/ClockText.h"
#include "ui/FitFont.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionGroupBox>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;


class tst_Form1 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void creationOrder();
    void captionsFit_data();
    void captionsFit();
    void headingsShareABaseline();
    void window();
    void startState();
    void tabMovesBetweenTwoStops();
    void enterAndEscapePressNothing_data();
    void enterAndEscapePressNothing();
    void buttonKeys_data();
    void buttonKeys();
    void tickWritesTimeThenDate();
    void clockIsReadNotAnnounced();
    void clockText_data();
    void clockText();
    void clockTextInEveryRegion_data();
    void clockTextInEveryRegion();
    void clockTickDelay_data();
    void clockTickDelay();

private:
    std::unique_ptr<Form1> m_form;
};

void tst_Form1::init()
{
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    drainEvents();
}

void tst_Form1::cleanup()
{
    m_form.reset();
}

void tst_Form1::controls_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("alignment");

    const int centre = Qt::AlignCenter;
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    const int top = Qt::AlignHCenter | Qt::AlignTop;
    const auto row = [](const char *name, const char *type, const char *parent,
                        const QString &text, qreal pointSize, bool bold, int alignment) {
        QTest::newRow(name) << QString::fromLatin1(type) << QString::fromLatin1(parent) << text
                            << pointSize << bold << alignment;
    };
    row("Frame3", "QGroupBox", "Form1", u"Time Center"_s, 9.75, false, 0);
    row("lbltime", "QLabel", "Frame3", u"00:00:00 AM"_s, 8.25, false, centre);
    row("lbldate", "QLabel", "Frame3", u"00/00/0000"_s, 13.5, false, centre);
    row("Frame2", "QGroupBox", "Form1", u"Handle Turns"_s, 9.75, false, 0);
    row("Divisions", "QLabel", "Frame2", u"Divisions"_s, 12, true, top);
    row("turns", "QLabel", "Frame2", u"Turns"_s, 12, true, top);
    row("lbldecimal", "QLabel", "Frame2", QString(), 24, false, centre);
    row("lblwhole", "QLabel", "Frame2", QString(), 24, false, centre);
    row("Frame1", "QGroupBox", "Form1", u"Enter Dimentions Here"_s, 9.75, false, 0);
    row("txtinch", "QLineEdit", "Frame1", u"0.000"_s, 24, false, centre);
    row("Label4", "QLabel", "Frame1", u" .250 does not work"_s, 13.5, false, centre);
    row("Label2", "QLabel", "Frame1", u"1.250 or 0.250"_s, 13.5, false, centre);
    row("Label1", "QLabel", "Frame1", u"Number formats:"_s, 9.75, false, centre);
    row("Label3", "QLabel", "Frame1", u"Inch"_s, 8.25, false, left);
    row("cmdCalculate", "QPushButton", "Form1", u"Convert"_s, 12, false, 0);
}

void tst_Form1::controls()
{
    QFETCH(QString, type);
    QFETCH(QString, parent);
    QFETCH(QString, text);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    QFETCH(int, alignment);

    const QWidget *widget = control(*m_form, QTest::currentDataTag());
    QVERIFY2(widget->inherits(qPrintable(type)), widget->metaObject()->className());
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    // In device-independent pixels, 96 to the inch, at any scale.
    const cases::Place *place = cases::PlaceOf(QTest::currentDataTag());
    QVERIFY(place != nullptr);
    const cases::Pixels &at96 = place->at96;
    QCOMPARE(QRect(widget->mapTo(m_form.get(), QPoint(0, 0)), widget->size()),
             QRect(at96.left, at96.top, at96.width, at96.height));
    QCOMPARE(widget->font().family(), u"Liberation Sans"_s);
    QCOMPARE(widget->font().pointSizeF(), pointSize);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(QFontInfo(widget->font()).family(), u"Liberation Sans"_s);
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(int(label->alignment()), alignment);
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        QCOMPARE(edit->text(), text);
        QCOMPARE(int(edit->alignment()), alignment);
        QCOMPARE(edit->maxLength(), 6);
    } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
        QCOMPARE(group->title(), text);
        QCOMPARE(int(group->alignment()), int(Qt::AlignLeft));
    } else if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
        QCOMPARE(button->text(), text);
    }
}

void tst_Form1::creationOrder()
{
    QStringList order;
    for (const QObject *object : m_form->findChildren<QObject *>()) {
        if (qobject_cast<const QWidget *>(object) != nullptr || qobject_cast<const QTimer *>(object))
            order.append(object->objectName());
    }
    const QStringList expected = {u"Frame3"_s, u"lbltime"_s, u"lbldate"_s, u"tmrclock"_s,
                                  u"Frame2"_s, u"Divisions"_s, u"turns"_s, u"lbldecimal"_s,
                                  u"lblwhole"_s, u"Frame1"_s, u"txtinch"_s, u"Label4"_s,
                                  u"Label2"_s, u"Label1"_s, u"Label3"_s, u"cmdCalculate"_s};
    order.removeIf([&](const QString &name) { return !expected.contains(name); });
    QCOMPARE(order, expected);
}

void tst_Form1::captionsFit_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"Frame3", "lbltime", "lbldate", "Frame2", "Divisions", "turns",
                             "Frame1", "txtinch", "Label4", "Label2", "Label1", "Label3",
                             "cmdCalculate"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// What a user sees: every caption whole inside its control, in the font in
// use.
void tst_Form1::captionsFit()
{
    QFETCH(QString, name);
    QWidget *widget = control(*m_form, qPrintable(name));
    const QFontMetricsF metrics(widget->font());
    QString text;
    QRectF room;
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        text = label->text();
        room = label->contentsRect().marginsRemoved(QMargins(label->margin(), label->margin(),
                                                             label->margin(), label->margin()));
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        text = edit->text();
        room = QRectF(0, 0, ui::EntryTextWidth(edit), edit->height());
    } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        text = group->title();
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = text;
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.textAlignment = group->alignment();
        room = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, group);
        room.setRight(group->width());
    } else if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
        text = button->text();
        room = button->rect().adjusted(4, 2, -4, -2);
    }
    QVERIFY(!text.isEmpty());
    const QRectF ink = metrics.tightBoundingRect(text);
    const qreal width = std::max(metrics.horizontalAdvance(text), ink.width());
    QVERIFY2(width <= room.width(),
             qPrintable(u"\"%1\" is %2 pixels wide in %3"_s.arg(text).arg(width).arg(room.width())));
    QVERIFY2(ink.height() <= room.height(),
             qPrintable(u"\"%1\" is %2 pixels high in %3"_s.arg(text).arg(ink.height()).arg(room.height())));
}

// What a user sees: the lowest row of ink of "Turns" and of "Divisions",
// neither of which has a descender, is the same.
void tst_Form1::headingsShareABaseline()
{
    QList<qreal> baselines;
    for (const char *name : {"turns", "Divisions"}) {
        QWidget *heading = control(*m_form, name);
        const QImage image = heading->grab().toImage();
        int lowest = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) > 0x80 && qGray(pixel) < 0x80)
                    lowest = y;
            }
        }
        QVERIFY2(lowest >= 0, name);
        baselines.append(heading->y() + lowest / image.devicePixelRatio());
    }
    QCOMPARE(baselines.front(), baselines.back());
}

void tst_Form1::window()
{
    QCOMPARE(m_form->windowTitle(), u"Brantile"_s);
    QCOMPARE(m_form->size(), QSize(245, 433));
    QCOMPARE(m_form->minimumSize(), QSize(245, 433));
    QCOMPARE(m_form->maximumSize(), QSize(245, 433));
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_form->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(control(*m_form, "lblwhole")->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(control(*m_form, "Label4")->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(control(*m_form, "txtinch")->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(control(*m_form, "txtinch")->palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(control(*m_form, "lblwhole")->palette().color(QPalette::WindowText), QColor(Qt::black));
    // Centred with its frame; a window taller than the screen (at a scale
    // factor of 2) keeps its top on it.
    const QRect available = m_form->screen()->availableGeometry();
    const QRect frame = m_form->frameGeometry();
    QVERIFY(frame != m_form->geometry());
    const QPoint offCentre = frame.center() - available.center();
    QVERIFY2(std::abs(offCentre.x()) <= 1, qPrintable(u"%1 off centre"_s.arg(offCentre.x())));
    if (frame.height() <= available.height())
        QVERIFY2(std::abs(offCentre.y()) <= 1, qPrintable(u"%1 off centre"_s.arg(offCentre.y())));
    else
        QCOMPARE(frame.top(), available.top());
    QCOMPARE(QApplication::applicationName(), u"Brantile"_s);
    QCOMPARE(QApplication::applicationVersion(), u"1.00"_s);
    // The font comes from the program itself, not from the machine.
    QCOMPARE(QFontDatabase::applicationFontFamilies(0), QStringList(u"Liberation Sans"_s));
    QCOMPARE(QFontDatabase::applicationFontFamilies(1), QStringList(u"Liberation Sans"_s));
    const QList<QSize> iconSizes = QApplication::windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(32, 32)));
    QVERIFY(iconSizes.contains(QSize(16, 16)));
}

void tst_Form1::startState()
{
    QCOMPARE(control<QLabel>(*m_form, "lblwhole")->text(), QString());
    QCOMPARE(control<QLabel>(*m_form, "lbldecimal")->text(), QString());
    QCOMPARE(control<QLineEdit>(*m_form, "txtinch")->text(), u"0.000"_s);
    QCOMPARE(control<QLabel>(*m_form, "lbltime")->text(), u"00:00:00 AM"_s);
    QCOMPARE(control<QLabel>(*m_form, "lbldate")->text(), u"00/00/0000"_s);
    QCOMPARE(QApplication::focusWidget(), control(*m_form, "cmdCalculate"));
    const auto *timer = control<QTimer>(*m_form, "tmrclock");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    for (QWidget *widget : m_form->findChildren<QWidget *>()) {
        if (widget->objectName() != u"cmdCalculate" && widget->objectName() != u"txtinch")
            QVERIFY2(widget->focusPolicy() == Qt::NoFocus, qPrintable(widget->objectName()));
    }
}

void tst_Form1::tabMovesBetweenTwoStops()
{
    auto *entry = control<QLineEdit>(*m_form, "txtinch");
    pressKey(Qt::Key_Tab);
    drainEvents();
    QCOMPARE(QApplication::focusWidget(), entry);
    QCOMPARE(entry->selectedText(), u"0.000"_s);
    pressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control(*m_form, "cmdCalculate"));
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), entry);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), control(*m_form, "cmdCalculate"));
}

void tst_Form1::enterAndEscapePressNothing_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Return") << Qt::Key_Return;
    QTest::newRow("Enter") << Qt::Key_Enter;
    QTest::newRow("Escape") << Qt::Key_Escape;
}

void tst_Form1::enterAndEscapePressNothing()
{
    QFETCH(Qt::Key, key);
    auto *button = control<QPushButton>(*m_form, "cmdCalculate");
    QSignalSpy clicks(button, &QPushButton::clicked);
    pressKey(Qt::Key_Tab);
    pressKey(key);
    drainEvents();
    QCOMPARE(clicks.size(), 0);
    QCOMPARE(control<QLabel>(*m_form, "lblwhole")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), control(*m_form, "txtinch"));
    QVERIFY(m_form->isVisible());
}

void tst_Form1::buttonKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Space presses") << Qt::Key_Space << 1;
    QTest::newRow("Return presses") << Qt::Key_Return << 1;
    QTest::newRow("Enter presses") << Qt::Key_Enter << 1;
    QTest::newRow("Escape does not") << Qt::Key_Escape << 0;
}

void tst_Form1::buttonKeys()
{
    QFETCH(Qt::Key, key);
    QFETCH(int, clicks);
    auto *button = control<QPushButton>(*m_form, "cmdCalculate");
    QSignalSpy spy(button, &QPushButton::clicked);
    QCOMPARE(QApplication::focusWidget(), button);
    pressKey(key);
    drainEvents();
    QCOMPARE(spy.size(), clicks);
}

void tst_Form1::tickWritesTimeThenDate()
{
    // The clock is quiet for assistive technology; without the names that
    // keep it so, every write shows up as an accessibility event, in order.
    auto *time = control<QLabel>(*m_form, "lbltime");
    auto *date = control<QLabel>(*m_form, "lbldate");
    time->setAccessibleName(QString());
    date->setAccessibleName(QString());
    const AccessibleEvents events;
    m_form->tmrclock_Timer();
    QCOMPARE(events.objectsWith(QAccessible::NameChanged),
             QStringList({u"lbltime"_s, u"lbldate"_s}));
    const QLocale locale = QLocale::system();
    QVERIFY(locale.toTime(time->text(), ui::ClockTimeFormat(locale)).isValid());
    QCOMPARE(date->text(), ui::FormatClockDate(QDate::currentDate(), locale));
}

void tst_Form1::clockIsReadNotAnnounced()
{
    const AccessibleEvents events;
    m_form->tmrclock_Timer();
    QCOMPARE(events.objectsWith(QAccessible::NameChanged), QStringList());
    for (const auto &[name, description] : {std::pair{"lbltime", u"Time"_s},
                                            std::pair{"lbldate", u"Date"_s}}) {
        auto *label = control<QLabel>(*m_form, name);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), label->text());
        QCOMPARE(accessible->text(QAccessible::Description), description);
        QCOMPARE(accessible->role(), QAccessible::StaticText);
        QCOMPARE(accessible->text(QAccessible::Value), QString());
    }
}

void tst_Form1::clockText_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QString>("dateText");

    const QTime afternoon(13, 5, 9);
    const QTime morning(0, 0, 1);
    const QDate date(2026, 12, 7);
    const auto row = [](const char *tag, const char *region, QTime rowTime, QDate rowDate,
                        const QString &timeText, const QString &dateText) {
        QTest::newRow(tag) << QString::fromLatin1(region) << rowTime << rowDate << timeText
                           << dateText;
    };
    row("en_US afternoon", "en_US", afternoon, date, u"1:05:09 PM"_s, u"12/7/2026"_s);
    row("en_US midnight", "en_US", morning, QDate(2027, 1, 2), u"12:00:01 AM"_s, u"1/2/2027"_s);
    row("de_DE afternoon", "de_DE", afternoon, date, u"13:05:09"_s, u"07.12.2026"_s);
    row("de_DE midnight", "de_DE", morning, QDate(2027, 1, 2), u"00:00:01"_s, u"02.01.2027"_s);
    row("fr_FR day first", "fr_FR", afternoon, date, u"13:05:09"_s, u"07/12/2026"_s);
    row("en_GB day first", "en_GB", afternoon, date, u"13:05:09"_s, u"07/12/2026"_s);
    row("ko_KR marker first, two-digit year", "ko_KR", afternoon, date,
        u"\uC624\uD6C4 1\uC2DC 5\uBD84 9\uCD08"_s, u"2026. 12. 7."_s);
    row("fr_CA quoted literals", "fr_CA", afternoon, date, u"13 h 05 min 09 s"_s, u"2026-12-07"_s);
    row("fa_IR zone in brackets", "fa_IR", afternoon, date, u"\u06F1\u06F3:\u06F0\u06F5:\u06F0\u06F9"_s,
        u"\u06F2\u06F0\u06F2\u06F6/\u06F1\u06F2/\u06F7"_s);
    row("zh_CN zone first", "zh_CN", afternoon, date, u"13:05:09"_s, u"2026/12/7"_s);
    row("zh_TW day period, zone in square brackets", "zh_TW", afternoon, date,
        u"\u4E0B\u53481:05:09"_s, u"2026/12/7"_s);
    row("bg_BG literal before zone", "bg_BG", afternoon, date, u"13:05:09 \u0447."_s,
        u"7.12.2026 \u0433."_s);
}

void tst_Form1::clockText()
{
    QFETCH(QString, region);
    QFETCH(QTime, time);
    QFETCH(QDate, date);
    QFETCH(QString, timeText);
    QFETCH(QString, dateText);
    const QLocale locale(region);
    QCOMPARE(ui::FormatClockTime(time, locale), timeText);
    QCOMPARE(ui::FormatClockDate(date, locale), dateText);
}

void tst_Form1::clockTextInEveryRegion_data()
{
    QTest::addColumn<QLocale>("locale");
    QSet<QString> tags;
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : locales) {
        const QString tag = locale.bcp47Name();
        if (!tags.contains(tag))
            QTest::newRow(qPrintable(tag)) << locale;
        tags.insert(tag);
    }
}

// No region's clock shows the time zone, or what stood around it.
void tst_Form1::clockTextInEveryRegion()
{
    QFETCH(QLocale, locale);
    const QTime time(13, 5, 9);
    const QString zone = locale.toString(time, u"t"_s);
    QVERIFY(!zone.isEmpty());
    const QString text = ui::FormatClockTime(time, locale);
    QVERIFY2(!text.contains(zone), qPrintable(text));
    // Empty brackets, or a blank or comma at either end.
    static const QRegularExpression leftOver(
        u"[([\uFF08\uFF3B]\\s*[)\\]\uFF09\uFF3D]|^[\\s,]|[\\s,]$"_s);
    QVERIFY2(!leftOver.match(text).hasMatch(), qPrintable(text));
}

void tst_Form1::clockTickDelay_data()
{
    QTest::addColumn<qint64>("now"); // milliseconds since a whole second
    QTest::addColumn<int>("delay");
    QTest::newRow("on a second's edge") << qint64(1'767'225'600'000) << 1020;
    QTest::newRow("just after the edge") << qint64(1'767'225'600'001) << 1019;
    QTest::newRow("a tick on time") << qint64(1'767'225'600'020) << 1000;
    QTest::newRow("a tick one Windows tick early") << qint64(1'767'225'600'004) << 1016;
    QTest::newRow("a tick late") << qint64(1'767'225'600'250) << 770;
    QTest::newRow("mid-second") << qint64(1'767'225'600'500) << 520;
    QTest::newRow("a tick early, before the edge") << qint64(1'767'225'600'990) << 30;
    QTest::newRow("just before the edge") << qint64(1'767'225'600'999) << 21;
    QTest::newRow("Windows, since 1601") << qint64(13'411'699'200'123) << 897;
    QTest::newRow("before the epoch") << qint64(-1) << 21;
}

// Each tick is armed for just after the next whole second, whatever the
// moment it runs at.
void tst_Form1::clockTickDelay()
{
    QFETCH(qint64, now);
    QFETCH(int, delay);
    QCOMPARE(form::ClockTickDelay(now), delay);
}

BRANTILE_WINDOW_TEST_MAIN(tst_Form1)
#include "tst_form1.moc"
