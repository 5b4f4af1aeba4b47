// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

class PictureComposer;
struct Box;
class Pixels;
class QLabel;
struct SlideRuleView;
struct PictureLayout;
class PaintBox;
class RadioGroup;
class StringGrid;

// The one window: the slide rule in its drawing area above the information panel with the scale
// mode, the readout table and the task line.
class TForm1 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The controls, as the window lays them out.
    QWidget* BasePanel;
    PaintBox* PB1;
    QWidget* Panel3;
    QLabel* Label3;
    QLabel* Label1;
    QLabel* Label2;
    RadioGroup* RG1;
    StringGrid* SG1;

    // The slide-rule state. Pixels; the hairline stands 60 px right of CursorX.
    std::int32_t SlideX = 0;
    std::int32_t CursorX = 0;
    // Pointer x less the grabbed object's position at the press; 64-bit so that it is exact for
    // every pair of 32-bit values, and a press and release in place never move anything.
    std::int64_t GrabOffset = 0;
    bool DraggingSlide = false;
    bool DraggingCursor = false;

    // Renders the picture into a fresh image and shows it before returning.
    void PB1Paint();
    void PB1MouseDown(int X, int Y);
    void PB1MouseMove(int X);
    void PB1MouseUp(int X);
    void PB1DblClick();
    // Keys while the drawing area has the focus: Left and Right move the cursor, with Control
    // the slide, by 1 px or with Shift by 10 px; Home brings back the start setting.
    void PB1KeyDown(int Key, Qt::KeyboardModifiers Shift);
    // The render of every paint: the picture of the current state onto the surface, which has
    // the drawing area's size, written within the areas given (beyond them the surface holds
    // that picture already); the table and the task line follow. Returns the state drawn.
    SlideRuleView PB1Paintwmf(const Pixels& surface, const std::vector<Box>& areas);
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildPanel3();
    void NameForScreenReaders();
    void TellScreenReaders(const QString& setting, const QString& taskLine);
    void HidePanel3();
    void ShowPanel3();
    void WireEvents();
    PictureLayout AreaLayout() const;
    SlideRuleView CurrentSetting() const;

    std::unique_ptr<PictureComposer> composer_;  // keeps what one render hands on to the next
    bool activated_ = false;
    QPointer<QWidget> panel3Focus_;  // the panel's control that had the focus when it hid
};
