#include "core/TurnConversion.h"
#include "tests/EntryCases.h"
#include "tests/WindowTest.h"
#include "ui/CoreText.h"
#include "ui/FitFont.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>

using namespace Qt::Literals::StringLiterals;

namespace {

// A text of the shared case tables.
QString text(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The row of the region table that LC_ALL names, if any.
const cases::Region *testRegion()
{
    const QString name = qEnvironmentVariable("LC_ALL").section(u'.', 0, 0);
    return cases::RegionNamed(name.toStdString());
}

// Texts in the tables are written with '.' as the decimal and ',' as the group
// separator; in the test's region they are written with its own.
QString local(const QString &text)
{
    const cases::Region *region = testRegion();
    return ui::FromCore(region != nullptr
                            ? cases::Localised(ui::CoreText(text), *region)
                            : cases::Localised(ui::CoreText(text), core::UserSeparators().decimal));
}

// A key that types the character into the focused widget, as a keyboard
// layout of the region has one, beyond Latin-1 too.
void typeCharacter(QChar character)
{
    if (character.unicode() > 0xFF)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                            QString(character), Qt::NoModifier);
    else
        QTest::keyClick(QApplication::focusWidget(), character.toLatin1());
}

} // namespace

class tst_Entry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void separators();
    void convert_data();
    void convert();
    void convertTwiceWritesTheSame();
    void failedConvert_data();
    void failedConvert();
    void handlersCatchNothing();
    void noticeText_data();
    void noticeText();
    void filter_data();
    void filter();
    void refusal_data();
    void refusal();
    void captions();
    void backspaceGoesWhereTheFocusIs();
    void backspaceWithoutFocusGoesNowhere();
    void backspaceBeforeKeysTypedAfter();
    void backspaceWithoutActiveWindow();
    void clickKeepsTheSelection();
    void focusSelects_data();
    void focusSelects();
    void resultsFit_data();
    void resultsFit();
    void entryFits();
    void accessibility();
    void randomWalk();

private:
    // Plays a script on the window: characters are typed; {Tab}, {BS}, {Del},
    // {Home}, {End}, {Left}, {Right} press keys; {Paste:text} pastes;
    // {Convert} clicks the button. Posted events are drained after each step.
    void play(const QString &script);
    void step(const QString &token);

    std::unique_ptr<Form1> m_form;
    QLineEdit *m_entry = nullptr;
    QPushButton *m_button = nullptr;
    QLabel *m_whole = nullptr;
    QLabel *m_divisions = nullptr;
};

void tst_Entry::init()
{
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    m_entry = control<QLineEdit>(*m_form, "txtinch");
    m_button = control<QPushButton>(*m_form, "cmdCalculate");
    m_whole = control<QLabel>(*m_form, "lblwhole");
    m_divisions = control<QLabel>(*m_form, "lbldecimal");
    drainEvents();
}

void tst_Entry::cleanup()
{
    m_form.reset();
}

void tst_Entry::step(const QString &token)
{
    static const QHash<QString, Qt::Key> keys = {
        {u"Tab"_s, Qt::Key_Tab},   {u"BS"_s, Qt::Key_Backspace}, {u"Del"_s, Qt::Key_Delete},
        {u"Home"_s, Qt::Key_Home}, {u"End"_s, Qt::Key_End},      {u"Left"_s, Qt::Key_Left},
        {u"Right"_s, Qt::Key_Right}};
    static const QHash<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> chords = {
        {u"ShiftEnd"_s, {Qt::Key_End, Qt::ShiftModifier}},
        {u"KPDecimal"_s, {Qt::Key_Period, Qt::KeypadModifier}},
        {u"Undo"_s, {Qt::Key_Z, Qt::ControlModifier}},
        {u"Redo"_s, {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}}};
    if (token.startsWith(u"Paste:")) {
        QGuiApplication::clipboard()->setText(token.mid(6));
        pressKey(Qt::Key_V, Qt::ControlModifier);
    } else if (chords.contains(token)) {
        pressKey(chords.value(token).first, chords.value(token).second);
    } else if (token == u"Convert") {
        QTest::mouseClick(m_button, Qt::LeftButton);
    } else if (keys.contains(token)) {
        pressKey(keys.value(token));
    } else {
        QVERIFY2(token.size() == 1, qPrintable(token));
        typeCharacter(token.front());
    }
    drainEvents();
}

void tst_Entry::play(const QString &script)
{
    for (qsizetype i = 0; i < script.size(); ++i) {
        if (script[i] == u'{') {
            const qsizetype end = script.indexOf(u'}', i);
            step(script.mid(i + 1, end - i - 1));
            i = end;
        } else {
            step(script[i]);
        }
    }
}

// The C library's separators of the region, not those of Qt's own data.
void tst_Entry::separators()
{
    const cases::Region *region = testRegion();
    if (region == nullptr)
        QSKIP("LC_ALL names no region of the table");
    QCOMPARE(core::UserSeparators().decimal, region->decimal);
    QCOMPARE(core::UserSeparators().group, region->group);
}

void tst_Entry::convert_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("entryAfter");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("divisions");
    QTest::addColumn<QString>("spoken");

    for (const cases::Convert &row : cases::kConvert)
        QTest::newRow(row.name) << text(row.script) << text(row.entry) << text(row.whole)
                                << text(row.divisions) << text(row.spoken);
}

void tst_Entry::convert()
{
    QFETCH(QString, script);
    QFETCH(QString, entryAfter);
    QFETCH(QString, whole);
    QFETCH(QString, divisions);
    QFETCH(QString, spoken);

    play(local(script));
    play(u"{Convert}"_s);
    // "0.000" is the program's own text, the same in every region.
    QCOMPARE(m_entry->text(), entryAfter == u"0.000" ? entryAfter : local(entryAfter));
    QCOMPARE(m_whole->text(), whole);
    QCOMPARE(m_divisions->text(), local(divisions));
    QVERIFY(!control(*m_form, "notice")->isVisible());
    const QAccessibleInterface *announcer =
        QAccessible::queryAccessibleInterface(control(*m_form, "announcer"));
    QCOMPARE(announcer->role(), QAccessible::Notification);
    QCOMPARE(announcer->text(QAccessible::Name), local(spoken));
}

void tst_Entry::convertTwiceWritesTheSame()
{
    play(local(u"{Tab}1.3{Convert}"_s));
    const QString whole = m_whole->text();
    const QString divisions = m_divisions->text();
    play(u"{Convert}"_s);
    QCOMPARE(m_whole->text(), whole);
    QCOMPARE(m_divisions->text(), divisions);
    QCOMPARE(m_entry->text(), local(u"1.3"_s));
}

void tst_Entry::failedConvert_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("description");

    for (const cases::Failure &row : cases::kFailure)
        QTest::newRow(row.name) << text(row.script) << text(row.entry) << text(row.description);
}

// A click on an entry that holds no number writes neither box and tells the
// user at the entry; the window stays usable and the next click works.
void tst_Entry::failedConvert()
{
    QFETCH(QString, script);
    QFETCH(QString, entry);
    QFETCH(QString, description);

    play(local(u"{Tab}1.3{Convert}"_s));
    play(local(script));
    QCOMPARE(m_entry->text(), local(entry));
    play(u"{Convert}"_s);
    QCOMPARE(m_whole->text(), u"20"_s);
    QCOMPARE(m_divisions->text(), local(u"50."_s));
    QCOMPARE(m_entry->text(), local(entry));
    const auto *notice = control<QLabel>(*m_form, "notice");
    QVERIFY(notice->isVisible());
    QVERIFY2(notice->text().contains(description), qPrintable(notice->text()));
    QVERIFY(notice->text().contains(u"\nType a dimension such as "_s));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    const auto onScreen = [](const QWidget *widget) {
        return QRect(widget->mapToGlobal(QPoint()), widget->size());
    };
    QVERIFY(onScreen(m_form.get()).contains(onScreen(notice)));
    QVERIFY(!onScreen(notice).intersects(onScreen(m_entry)));
    QVERIFY(!onScreen(notice).intersects(onScreen(m_button)));
    // Another window taking the activation takes the notice away.
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(m_form.get(), &deactivate);
    QVERIFY(!notice->isVisible());

    play(u"{Convert}"_s);
    QVERIFY(notice->isVisible());
    play(local(u"{Tab}0.1"_s));
    QVERIFY(!notice->isVisible());
    play(u"{Convert}"_s);
    QCOMPARE(m_whole->text(), u"1"_s);
    QCOMPARE(m_divisions->text(), local(u"37.5"_s));
}

void tst_Entry::handlersCatchNothing()
{
    play(local(u"{Tab}1.{Home}{Del}"_s));
    QVERIFY_THROWS_EXCEPTION(core::ConversionError, m_form->cmdCalculate_Click());
    QCOMPARE(m_whole->text(), QString());
    QCOMPARE(m_divisions->text(), QString());
}

void tst_Entry::noticeText_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("description");

    QTest::newRow("0.000 as at start") << QString() << u"\u201C0.000\u201D is not a number."_s;
    QTest::newRow("blanks") << u" "_s << u"Blanks alone are not a number."_s;
    QTest::newRow("markup") << u"<b>x"_s << u"\u201C<b>x\u201D is not a number."_s;
}

// The notice as a screen reader reads it, for an entry written while the
// button has the focus (the filter's Backspace then deletes nothing): the
// entry's text as it stands, and the advice with the region's decimal
// separator, which in fr_FR differs from the "." of the layout's texts.
void tst_Entry::noticeText()
{
    QFETCH(QString, entry);
    QFETCH(QString, description);
    if (!entry.isNull())
        m_entry->setText(entry);
    drainEvents();
    if (core::IsNumericText(ui::CoreText(m_entry->text())))
        QSKIP("a number in this region");
    play(u"{Convert}"_s);
    auto *notice = control<QLabel>(*m_form, "notice");
    QVERIFY(notice->isVisible());
    const QString advice =
        u"Type a dimension such as 1_250 or 0_250."_s.replace(u'_', core::UserSeparators().decimal);
    QCOMPARE(QAccessible::queryAccessibleInterface(notice)->text(QAccessible::Name),
             description + u'\n' + advice);
    QCOMPARE(QAccessible::queryAccessibleInterface(notice)->role(), QAccessible::Notification);
}

void tst_Entry::filter_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("entry");

    for (const cases::Filter &row : cases::kFilter)
        QTest::newRow(row.name) << text(row.script) << text(row.entry);
}

void tst_Entry::filter()
{
    QFETCH(QString, script);
    QFETCH(QString, entry);
    play(local(script));
    QCOMPARE(m_entry->text(), local(entry));
    QCOMPARE(m_whole->text(), QString());
}

void tst_Entry::refusal_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("notice");

    const char16_t decimal = core::UserSeparators().decimal;
    for (const cases::Refusal &row : cases::kRefusal)
        QTest::newRow(row.name) << text(cases::WithDecimal(row.script, decimal))
                                << text(cases::WithDecimal(row.entry, decimal))
                                << text(cases::WithDecimal(row.notice, decimal));
}

// What the filter or the length limit refuses, the notice tells, as a screen
// reader reads it, and keeps telling while the user types on.
void tst_Entry::refusal()
{
    QFETCH(QString, script);
    QFETCH(QString, entry);
    QFETCH(QString, notice);
    play(script);
    QCOMPARE(m_entry->text(), entry);
    auto *shown = control<QLabel>(*m_form, "notice");
    QVERIFY(shown->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name), notice);
}

// The hints' examples in the region's decimal separator.
void tst_Entry::captions()
{
    const cases::Region *region = testRegion();
    if (region == nullptr)
        QSKIP("LC_ALL names no region of the table");
    QCOMPARE(control<QLabel>(*m_form, "Label2")->text(), text(region->examples));
    QCOMPARE(control<QLabel>(*m_form, "Label4")->text(), text(region->warning));
}

void tst_Entry::backspaceGoesWhereTheFocusIs()
{
    play(local(u"{Tab}1.25"_s));
    QTest::keyClick(m_entry, 'a');
    m_button->setFocus(Qt::OtherFocusReason);
    drainEvents();
    QCOMPARE(m_entry->text(), local(u"1.25a"_s));
}

void tst_Entry::backspaceWithoutFocusGoesNowhere()
{
    play(local(u"{Tab}1.25"_s));
    m_entry->clearFocus();
    QCOMPARE(QApplication::focusWidget(), nullptr);
    m_entry->setText(local(u"1.25a"_s)); // queues a Backspace
    drainEvents();
    QCOMPARE(m_entry->text(), local(u"1.25a"_s));
}

// The window system hands over the keys typed after a refused one before the
// event loop turns: they find it taken back, and no digit goes with it.
void tst_Entry::backspaceBeforeKeysTypedAfter()
{
    play(u"{Tab}1"_s);
    QTest::keyClick(m_entry, '/');
    QTest::keyClick(m_entry, '2');
    drainEvents();
    QCOMPARE(m_entry->text(), u"12"_s);
}

// No window of the program is active, yet typed keys reach the entry, the
// window's own focus widget.
void tst_Entry::backspaceWithoutActiveWindow()
{
    play(u"{Tab}2"_s);
    QApplication::setActiveWindow(nullptr);
    QCOMPARE(QApplication::focusWidget(), nullptr);
    QCOMPARE(m_form->focusWidget(), m_entry);
    QTest::keyClick(m_entry, 'a');
    drainEvents();
    QCOMPARE(m_entry->text(), u"2"_s);
}

void tst_Entry::clickKeepsTheSelection()
{
    QTest::mouseClick(m_entry, Qt::LeftButton, {}, QPoint(8, m_entry->height() / 2));
    drainEvents();
    QCOMPARE(QApplication::focusWidget(), m_entry);
    QCOMPARE(m_entry->selectedText(), m_entry->text());
    QTest::keyClick(m_entry, '4');
    drainEvents();
    QCOMPARE(m_entry->text(), u"4"_s);
    // A second click, with the focus already there, places the caret.
    QTest::mouseClick(m_entry, Qt::LeftButton, {}, QPoint(8, m_entry->height() / 2));
    QCOMPARE(m_entry->selectedText(), QString());
}

void tst_Entry::focusSelects_data()
{
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<QString>("entry");

    QTest::newRow("Tab selects") << Qt::TabFocusReason << u"5"_s;
    QTest::newRow("Backtab selects") << Qt::BacktabFocusReason << u"5"_s;
    QTest::newRow("mouse selects") << Qt::MouseFocusReason << u"5"_s;
    QTest::newRow("back from another window") << Qt::ActiveWindowFocusReason << u"1.25"_s;
    QTest::newRow("context menu closed") << Qt::PopupFocusReason << u"1.25"_s;
}

// The focus leaves the entry after 1.2 is typed and comes back; then 5 is
// typed.
void tst_Entry::focusSelects()
{
    QFETCH(Qt::FocusReason, reason);
    QFETCH(QString, entry);
    play(local(u"{Tab}1.2"_s));
    m_entry->clearFocus();
    m_entry->setFocus(reason);
    play(u"5"_s);
    QCOMPARE(m_entry->text(), local(entry));
}

void tst_Entry::resultsFit_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("wholeShrinks");
    QTest::addColumn<bool>("divisionsShrink");

    for (const cases::Fit &row : cases::kFit)
        QTest::newRow(row.name) << text(row.script) << row.wholeShrinks << row.divisionsShrink;
}

// A result that does not fit its box at 24 points gets a font just small
// enough to fit; one that fits keeps 24 points.
void tst_Entry::resultsFit()
{
    QFETCH(QString, script);
    QFETCH(bool, wholeShrinks);
    QFETCH(bool, divisionsShrink);
    play(local(script) + u"{Convert}"_s);

    for (const auto &[box, shrinks] : {std::pair{m_whole, wholeShrinks},
                                       std::pair{m_divisions, divisionsShrink}}) {
        const qreal room = box->contentsRect().width();
        const QFontMetricsF metrics(box->font());
        QVERIFY2(metrics.horizontalAdvance(box->text()) <= room, qPrintable(box->text()));
        QVERIFY(metrics.boundingRect(box->text()).width() <= room);
        QVERIFY(metrics.height() <= box->contentsRect().height());
        if (!shrinks) {
            QCOMPARE(box->font().pointSizeF(), 24.0);
            continue;
        }
        QVERIFY(box->font().pointSizeF() < 24.0);
        QFont larger = box->font();
        larger.setPointSizeF(larger.pointSizeF() + 0.25);
        QVERIFY2(QFontMetricsF(larger).horizontalAdvance(box->text()) > room,
                 "shrunk more than needed");
    }
}

void tst_Entry::entryFits()
{
    for (const std::u16string_view row : cases::kEntryFits) {
        const QString entry = local(text(row));
        play(u"{Tab}{Paste:"_s + entry + u"}"_s);
        QCOMPARE(m_entry->text(), entry);
        const QFontMetricsF metrics(m_entry->font());
        QVERIFY2(metrics.horizontalAdvance(m_entry->text()) <= ui::EntryTextWidth(m_entry),
                 qPrintable(entry));
        play(u"{Tab}"_s);
    }
    play(u"{Tab}{Paste:1}"_s);
    QCOMPARE(m_entry->font().pointSizeF(), 24.0);
}

void tst_Entry::accessibility()
{
    QCOMPARE(m_entry->accessibleName(), u"Dimension in inches"_s);
    const AccessibleEvents events;
    play(local(u"{Tab}1.3{Convert}"_s));
    QCOMPARE(events.objectsWith(QAccessible::NameChanged),
             QStringList({u"lblwhole"_s, u"lbldecimal"_s, u"announcer"_s}));
    // Said again for the same results.
    play(u"{Convert}"_s);
    QCOMPARE(events.objectsWith(QAccessible::ObjectShow),
             QStringList({u"announcer"_s, u"announcer"_s}));
    // The entry's text is one run of attributes: a screen reader that joins
    // the runs reads all of it.
    int start = -1;
    int end = -1;
    QAccessible::queryAccessibleInterface(m_entry)->textInterface()->attributes(1, &start, &end);
    QCOMPARE(QPair(start, end), QPair(0, 3));
    for (const auto &[box, description] : {std::pair{m_whole, u"Whole turns"_s},
                                           std::pair{m_divisions, u"Divisions"_s}}) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), box->text());
        QCOMPARE(accessible->text(QAccessible::Description), description);
    }
}

// Random typing, editing, pasting and clicking: nothing crashes, typing never
// makes the entry longer than six characters, and every click either shows
// the core's results for the entry or, for an entry that holds no number,
// changes neither box.
void tst_Entry::randomWalk()
{
    const core::Separators separators = core::UserSeparators();
    const QList<QChar> typed = {u'0', u'1', u'5', u'9', separators.decimal, separators.group,
                                u' ', u'-', u'+', u'a', u'e'};
    const QList<Qt::Key> keys = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                                 Qt::Key_Left, Qt::Key_Right, Qt::Key_Tab};
    QRandomGenerator random(20261207);
    constexpr int kSteps = 20000;
    int clicks = 0;
    int failedClicks = 0;
    for (int i = 0; i < kSteps; ++i) {
        const int action = random.bounded(100);
        if (action < 55) {
            typeCharacter(typed[random.bounded(typed.size())]);
        } else if (action < 80) {
            pressKey(keys[random.bounded(keys.size())]);
        } else if (action < 88) {
            QString text;
            for (int n = random.bounded(9); n > 0; --n)
                text += typed[random.bounded(typed.size())];
            QGuiApplication::clipboard()->setText(text);
            pressKey(Qt::Key_V, Qt::ControlModifier);
        } else {
            const QString whole = m_whole->text();
            const QString divisions = m_divisions->text();
            QTest::mouseClick(m_button, Qt::LeftButton);
            drainEvents();
            ++clicks;
            const QString entry = m_entry->text();
            if (core::IsNumericText(ui::CoreText(entry))) {
                const core::TurnReading reading =
                    core::ConvertToTurns(core::ParseDimension(ui::CoreText(entry)));
                QCOMPARE(m_whole->text(), ui::FromCore(core::FormatTurns(reading.wholeTurns)));
                QCOMPARE(m_divisions->text(), ui::FromCore(core::FormatDivisions(reading.divisions)));
            } else {
                ++failedClicks;
                QCOMPARE(m_whole->text(), whole);
                QCOMPARE(m_divisions->text(), divisions);
            }
        }
        drainEvents();
        QVERIFY2(m_entry->text().size() <= 6, qPrintable(m_entry->text()));
    }
    QVERIFY(clicks > 1000);
    qInfo("%d clicks, %d on an entry that held no number", clicks, failedClicks);
}

BRANTILE_WINDOW_TEST_MAIN(tst_Entry)
#include "tst_entry.moc"
