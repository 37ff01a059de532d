#pragma once

#include <QWidget>

#include <cstdint>
#include <variant>

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace core {
class ConversionError;
}
namespace form {
struct Control;
enum class Id : std::uint8_t;
}
namespace ui {
class Announcer;
class BackspaceQueue;
class Entry;
class Notice;
}

// The program's one window: the dimension entry, the Convert button, the
// handle reading and the clock.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    void cmdCalculate_Click();
    void txtinch_Change();
    void txtinch_GotFocus();
    void tmrclock_Timer();

private:
    // The member that holds a control of the layout table.
    using Member = std::variant<QGroupBox *Form1::*, QLabel *Form1::*, ui::Entry *Form1::*,
                                QPushButton *Form1::*, QTimer *Form1::*>;
    static Member member(form::Id id);

    void create(const form::Control &control, char16_t decimal);
    QWidget *parentOf(const form::Control &control);
    template <typename Signal, typename Sender>
    void handle(Sender *sender, Signal signal, void (Form1::*handler)());
    void showResult(QLabel *box, const QString &text);
    void showFailure(const core::ConversionError &error);

    QGroupBox *Frame3;
    QLabel *lbltime;
    QLabel *lbldate;
    QTimer *tmrclock;
    QGroupBox *Frame2;
    QLabel *Divisions;
    QLabel *turns;
    QLabel *lbldecimal;
    QLabel *lblwhole;
    QGroupBox *Frame1;
    ui::Entry *txtinch;
    QLabel *Label4;
    QLabel *Label2;
    QLabel *Label1;
    QLabel *Label3;
    QPushButton *cmdCalculate;
    ui::BackspaceQueue *backspaces;
    ui::Notice *notice;
    ui::Announcer *announcer;
};
