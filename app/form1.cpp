// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <QFont>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/paint_box.h"
#include "app/radio_group.h"
#include "app/string_grid.h"
#include "drawing/compose.h"
#include "drawing/picture.h"
#include "geometry/picture_layout.h"
#include "readouts/readings.h"
#include "readouts/scale_mode.h"
#include "readouts/setting_description.h"
#include "readouts/windows1252.h"

namespace {

constexpr int kClientWidth = 1164;
constexpr int kClientHeight = 684;
constexpr int kPanel3Height = 145;
constexpr QColor kPanel3Color(240, 240, 240);
constexpr QColor kNavy(0, 0, 128);
// A selected cell shows white text on a light palette's blue, whatever the desktop theme.
constexpr QColor kSelectionColor(48, 140, 198);

constexpr std::int32_t kStartSlideX = 0;
constexpr std::int32_t kStartCursorX = 150;

// A key moves the cursor or the slide by 1 px, with Shift by 10 px.
constexpr std::int64_t kKeyStep = 1;
constexpr std::int64_t kShiftKeyStep = 10;

// The window's texts are Windows-1252, like everything the program writes.
QString Text(std::string_view windows1252) {
    return QString::fromStdString(Windows1252ToUtf8(windows1252));
}

QFont WindowFont(int pixelSize, QFont::Weight weight = QFont::Normal) {
    QFont font;
    font.setFamilies({"Verdana", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

void FillWith(QWidget* widget, QColor color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The panel's own colours for every role its controls read, so that no desktop theme reaches
// them: black text on (240, 240, 240), cells of the same colour.
QPalette Panel3Palette() {
    QPalette palette(kPanel3Color, kPanel3Color);
    for (const QPalette::ColorRole text :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(text, Qt::black);
    }
    for (const QPalette::ColorRole background :
         {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button}) {
        palette.setColor(background, kPanel3Color);
    }
    palette.setColor(QPalette::Highlight, kSelectionColor);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

QLabel* MakeLabel(const QString& text, QPoint topLeft, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

// Positions computed in 64 bits come back into the 32-bit state at its limits.
std::int32_t Saturated(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), composer_(std::make_unique<PictureComposer>()) {
    setWindowTitle("Tessalin");
    setFont(WindowFont(12));
    resize(kClientWidth, kClientHeight);

    BasePanel = new QWidget(this);
    FillWith(BasePanel, Qt::white);
    auto* windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(BasePanel);

    PB1 = new PaintBox(
        BasePanel, [this] { return CurrentSetting(); },
        [this](const Pixels& surface, const std::vector<Box>& areas) {
            return PB1Paintwmf(surface, areas);
        });
    Panel3 = new QWidget(BasePanel);
    Panel3->setFixedHeight(kPanel3Height);
    Panel3->setPalette(Panel3Palette());
    Panel3->setAutoFillBackground(true);
    auto* baseLayout = new QVBoxLayout(BasePanel);
    baseLayout->setContentsMargins(0, 0, 0, 0);
    baseLayout->setSpacing(0);
    baseLayout->addWidget(PB1, 1);
    baseLayout->addWidget(Panel3);

    BuildPanel3();
    NameForScreenReaders();
    WireEvents();
    move(screen()->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() = default;

// The panel's controls keep their distance from its top-left corner at every window size.
void TForm1::BuildPanel3() {
    SG1 = new StringGrid(Panel3);
    SG1->setGeometry(344, 24, 369, 97);

    RG1 = new RadioGroup("Skalenart", {"linear", "logarithmisch"}, 2, Panel3);
    RG1->setGeometry(16, 16, 225, 41);
    RG1->SetItemIndex(kLogarithmicItemIndex);

    Label3 = MakeLabel(Text("Linker Mausklick auf die jeweils obere Skale\n"
                            "und Bewegung der Maus verschiebt den Stabteil.\n"
                            "Der L\xE4ufer wird durch Klicken auf den gelben\n"
                            "Rahmen verschoben."),
                       {16, 64}, WindowFont(12), Panel3);
    Label1 = MakeLabel("Aufgabe", {736, 24}, WindowFont(16), Panel3);
    QPalette navy = Label1->palette();
    navy.setColor(QPalette::WindowText, kNavy);
    Label1->setPalette(navy);
    Label2 = MakeLabel("...", {752, 56}, WindowFont(16, QFont::Bold), Panel3);

    // The drawing area comes last, and only by Tab: a click never takes the focus from the table.
    PB1->setFocusPolicy(Qt::TabFocus);
    setTabOrder(SG1, RG1);
    setTabOrder(RG1, PB1);
    SG1->setFocus();
}

// The task line's name carries its text, which a label's name would otherwise hide; the drawing
// area's description and the task line's name follow every render.
void TForm1::NameForScreenReaders() {
    PB1->setAccessibleName("Rechenschieber");
    SG1->setAccessibleName("Ablesungen");
    RG1->setAccessibleName("Skalenart");
}

void TForm1::WireEvents() {
    connect(PB1, &PaintBox::pressed, this, &TForm1::PB1MouseDown);
    connect(PB1, &PaintBox::moved, this, [this](int x, int) { PB1MouseMove(x); });
    connect(PB1, &PaintBox::released, this, [this](int x, int) { PB1MouseUp(x); });
    connect(PB1, &PaintBox::doubleClicked, this, &TForm1::PB1DblClick);
    connect(PB1, &PaintBox::keyPressed, this, &TForm1::PB1KeyDown);
    connect(RG1, &RadioGroup::itemSelected, this, &TForm1::PB1Paint);
}

// The state is set once, before the drawing area is painted for the first time.
void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
        // An area without width or height gets no paint event; its readings still follow.
        if (PB1->size().isEmpty()) {
            PB1Paint();
        }
    }
}

void TForm1::FormActivate() {
    DraggingSlide = false;
    DraggingCursor = false;
    WriteFixedHeaders(*SG1);
    SlideX = kStartSlideX;
    CursorX = kStartCursorX;
}

// The paint box composes through PB1Paintwmf and shows the picture before this returns.
void TForm1::PB1Paint() {
    PB1->PaintNow();
}

SlideRuleView TForm1::CurrentSetting() const {
    return {ScaleModeOfItemIndex(RG1->ItemIndex()), SlideX, CursorX};
}

SlideRuleView TForm1::PB1Paintwmf(const Pixels& surface, const std::vector<Box>& areas) {
    const SlideRuleView view = CurrentSetting();
    const Readings readings = composer_->ComposeWithin(surface, areas, view, *SG1);
    const QString taskLine = Text(readings.taskLine);
    if (taskLine != Label2->text()) {  // the label is laid out anew only for a new text
        Label2->setText(taskLine);
        Label2->adjustSize();
    }
    TellScreenReaders(Text(DescribeSetting(view.mode, readings)), taskLine);
    return view;
}

// Setting a name or a description tells screen readers of it, so only a new one is set.
void TForm1::TellScreenReaders(const QString& setting, const QString& taskLine) {
    if (setting != PB1->accessibleDescription()) {
        PB1->setAccessibleDescription(setting);
    }
    const QString taskName = "Aufgabe: " + taskLine;
    if (taskName != Label2->accessibleName()) {
        Label2->setAccessibleName(taskName);
    }
}

// The frame wins over the slide: a press on yellow grabs the cursor even above a slide strip.
void TForm1::PB1MouseDown(int X, int Y) {
    if (PB1->ShownColor(X, Y) == kCursorFrameColor) {
        DraggingCursor = true;
        GrabOffset = std::int64_t{X} - CursorX;
        return;
    }
    if (AreaLayout().InSlideBand(Y)) {
        DraggingSlide = true;
        GrabOffset = std::int64_t{X} - SlideX;
    }
}

void TForm1::PB1MouseMove(int X) {
    if (DraggingSlide) {
        SlideX = Saturated(std::int64_t{X} - GrabOffset);
        PB1Paint();
    }
    if (DraggingCursor) {
        CursorX = AreaLayout().ClampCursor(std::int64_t{X} - GrabOffset);
        PB1Paint();
    }
}

void TForm1::PB1MouseUp(int X) {
    if (DraggingSlide) {
        DraggingSlide = false;
        SlideX = Saturated(std::int64_t{X} - GrabOffset);
        PB1Paint();
    }
    if (DraggingCursor) {
        DraggingCursor = false;
        CursorX = AreaLayout().ClampCursor(std::int64_t{X} - GrabOffset);
        PB1Paint();
    }
}

void TForm1::PB1KeyDown(int Key, Qt::KeyboardModifiers Shift) {
    if (Key == Qt::Key_Home) {
        SlideX = kStartSlideX;
        CursorX = kStartCursorX;
        PB1Paint();
        return;
    }
    if (Key != Qt::Key_Left && Key != Qt::Key_Right) {
        return;
    }
    const std::int64_t step =
        (Shift & Qt::ShiftModifier ? kShiftKeyStep : kKeyStep) * (Key == Qt::Key_Left ? -1 : 1);
    if (Shift & Qt::ControlModifier) {
        SlideX = Saturated(std::int64_t{SlideX} + step);
    } else {
        CursorX = AreaLayout().ClampCursor(std::int64_t{CursorX} + step);
    }
    PB1Paint();
}

// Each event takes the layout anew from the drawing area's current size.
PictureLayout TForm1::AreaLayout() const {
    return PictureLayout::ForArea(PB1->width(), PB1->height());
}

void TForm1::PB1DblClick() {
    if (Panel3->isVisible()) {
        HidePanel3();
    } else {
        ShowPanel3();
    }
    BasePanel->layout()->activate();  // the drawing area takes its new size at once
}

// A hidden control keeps no focus, and Qt would hand it on to the drawing area, which takes it
// only by Tab: no control has the focus while the panel is hidden.
void TForm1::HidePanel3() {
    QWidget* focused = focusWidget();
    if (focused != nullptr && Panel3->isAncestorOf(focused)) {
        panel3Focus_ = focused;
        focused->clearFocus();
    }
    Panel3->setVisible(false);
}

// The panel's control has the focus back, unless Tab gave it to the drawing area meanwhile.
void TForm1::ShowPanel3() {
    Panel3->setVisible(true);
    if (panel3Focus_ && focusWidget() == nullptr) {
        panel3Focus_->setFocus();
    }
    panel3Focus_ = nullptr;
}
