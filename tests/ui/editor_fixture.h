#pragma once
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "app/ChoiceField.h"
#include "app/Screen.h"
#include "support/temp_dir.h"
#include "ui_harness.h"

namespace tw::test {

// An editor screen opened on its own over a temporary application directory:
// recorded message boxes, a real run log, the image in memory. Tests set the
// image, open the screen, drive its controls by name and look at the bytes.
class EditorFixture : public testing::Test {
protected:
    TempDir root;
    UiHarness h{root.str()};
    Session& s = h.session;

    explicit EditorFixture(int model = 1)
    {
        s.ModelCode = model;
        s.DecimalPosition = 2;
    }
    ~EditorFixture() override { close(); }

    template <class T>
    T& open()
    {
        close();
        auto* t = new T(h.context, nullptr);
        screen_ = t;
        t->load();
        t->show();
        h.effects.boxes.clear();
        return *t;
    }
    // Unloads the screen unless its Back button already did.
    void close()
    {
        UiHarness::flush_deletions();
        delete screen_.data();
        UiHarness::flush_deletions();
    }
    Screen* screen() const { return screen_.data(); }

    template <class T = QWidget>
    T* field(const char* name) const { return control<T>(screen_.data(), name); }

    // The user picks the choice with this stored number from the list.
    void choose(const char* name, int number)
    {
        auto* c = field<ChoiceField>(name);
        for (int i = 0; i < c->count(); ++i) {
            if (c->itemText(i).startsWith(QString::number(number) + QLatin1Char('.')) ||
                c->itemText(i) == QString::number(number)) {
                c->setCurrentIndex(i);
                Q_EMIT c->activated(i);
                return;
            }
        }
        ADD_FAILURE() << name << " has no choice " << number;
    }
    // The stored number of the shown choice, or -1 with none shown.
    int chosen(const char* name) const
    {
        auto* c = field<ChoiceField>(name);
        return c->currentIndex() < 0 ? -1 : c->number();
    }
    // The user clicks into the field, selects its whole text (a numeric
    // field selects it itself) and types over it.
    void type_into(const char* name, const QString& keys)
    {
        auto* f = field<QLineEdit>(name);
        focus(f);
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(f, keys);
    }
    void click_button(const char* name) { QTest::mouseClick(field(name), Qt::LeftButton); }
    void save() { click_button("C_Salva"); }

    std::vector<std::uint8_t> image() const { return {s.image.bytes.begin(), s.image.bytes.end()}; }
    std::vector<std::uint8_t> saved_file() const { return read_bytes(s.dirs.DataDir + "PRG_MODE.BIN"); }

    // Every byte of the image outside [from, to) is as it was before.
    void expect_unchanged_outside(const std::vector<std::uint8_t>& before, std::size_t from, std::size_t to) const
    {
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (i < from || i >= to) {
                ASSERT_EQ(s.image.bytes[i], before[i]) << "byte " << i;
            }
        }
    }

    // Every byte of the image at random, from a seed.
    void random_image(unsigned seed)
    {
        std::mt19937 random(seed);
        for (std::uint8_t& b : s.image.bytes)
            b = std::uint8_t(random());
    }

private:
    QPointer<Screen> screen_;
};

}  // namespace tw::test
