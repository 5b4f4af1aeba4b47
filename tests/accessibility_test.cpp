// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds: names for the picture, the table, the radio group and the task
// line, and a description of the setting that follows every render.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "app/form1.h"
#include "app/paint_box.h"
#include "app/radio_group.h"
#include "app/string_grid.h"

namespace {

QString Accessible(QObject* object, QAccessible::Text text) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    return interface ? interface->text(text) : QString();
}

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        QApplication::setActiveWindow(&form);
        QApplication::processEvents();
    }

    QString Description() { return Accessible(form.PB1, QAccessible::Description); }

    TForm1 form;
};

TEST_F(AccessibilityTest, ControlsHaveGermanNames) {
    EXPECT_EQ(Accessible(form.PB1, QAccessible::Name), "Rechenschieber");
    EXPECT_EQ(Accessible(form.SG1, QAccessible::Name), "Ablesungen");
    EXPECT_EQ(Accessible(form.RG1, QAccessible::Name), "Skalenart");
    EXPECT_EQ(Accessible(form.Label2, QAccessible::Name),
              QString::fromUtf8("Aufgabe: 1 · 1,43 = 1,43"));
}

TEST_F(AccessibilityTest, DescriptionStatesTheSetting) {
    EXPECT_EQ(Description(),
              QString::fromUtf8("Logarithmische Skalen. Obere Einheit bei 1 der unteren Skale. "
                                "Läufer: obere Skale 1,43, untere Skale 1,43. "
                                "Aufgabe: 1 · 1,43 = 1,43."));
}

TEST_F(AccessibilityTest, DescriptionFollowsADragAndAKey) {
    const QString atStart = Description();
    QTest::mousePress(form.PB1, Qt::LeftButton, {}, {700, 60});
    QTest::mouseMove(form.PB1, {1001, 60});
    QTest::mouseRelease(form.PB1, Qt::LeftButton, {}, {1001, 60});
    const QString afterDrag = Description();
    EXPECT_NE(afterDrag, atStart);
    EXPECT_TRUE(afterDrag.contains("Aufgabe: " + form.Label2->text())) << afterDrag.toStdString();
    form.PB1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.PB1, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NE(Description(), afterDrag);
    EXPECT_TRUE(Description().contains("Aufgabe: " + form.Label2->text()));
    EXPECT_EQ(Accessible(form.Label2, QAccessible::Name), "Aufgabe: " + form.Label2->text());
}

}  // namespace
