#include "shell/TForm2.h"

#include <functional>

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "shell/HelpContents.h"

namespace {

// A label that acts like a hyperlink: a left click on it calls `onClick`.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent), onClick_(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
        QPalette p = palette();
        p.setColor(QPalette::WindowText, Qt::blue);
        setPalette(p);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            onClick_();
        QLabel::mouseReleaseEvent(event);
    }

private:
    std::function<void()> onClick_;
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int top, int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(8, top, 233, height);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

}  // namespace

TForm2::TForm2(System& system, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      system_(system) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("About Velmora"));
    setModal(true);
    setFixedSize(249, 244);

    Label5 = MakeLabel(this, "Label5", QStringLiteral("Velmora 1.1"), 8, 26);
    QFont title = Label5->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    Label5->setFont(title);

    Label1 = MakeLabel(this, "Label1", QStringLiteral("© 2026 the Velmora developers"), 38, 17);

    Label4 = MakeLabel(this, "Label4",
                       QStringLiteral("Velmora is free software: you may use it, copy it and "
                                      "share it, changed or not, as long as this notice stays "
                                      "with it. It comes with no warranty of any kind; use it "
                                      "at your own risk."),
                       63, 72);
    Label4->setWordWrap(true);

    Label2 = MakeLabel(this, "Label2",
                       QStringLiteral("For more info and updates look at my webpage:"), 143, 30);
    Label2->setWordWrap(true);

    // Velmora has no web site; its own help page is where the information lives.
    Label3 = new LinkLabel(QStringLiteral("Help/contents.htm"), this, [this] { Label3Click(); });
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(8, 175, 233, 19);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(87, 207, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm2::Button1Click() { accept(); }

void TForm2::Label3Click() { ShowHelpContents(system_); }
