#include "engine/widgets/tform3.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace dittaro {
namespace {

class TForm3Test : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "engine_widget_tests";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr) {
            new QApplication(argc, argv);
        }
    }

    // Runs `script` once the modal form is up; a form left open is closed after a while so
    // that a broken script cannot hang the test.
    std::optional<TagFields> askWith(const TagFields& shown, std::function<void()> script) {
        QTimer::singleShot(0, &form, std::move(script));
        QTimer::singleShot(10000, &form, [this] { form.reject(); });
        return form.ask(shown);
    }

    TForm3 form;
};

TEST_F(TForm3Test, CaptionControlsAndLimits) {
    EXPECT_EQ(form.windowTitle(), "ID3-Tags");
    EXPECT_EQ(form.Edit4->objectName(), "Edit4");
    EXPECT_EQ(form.Edit3->objectName(), "Edit3");
    EXPECT_EQ(form.Button1->text(), "&OK");
    for (QLineEdit* edit : {form.Edit4, form.Edit3}) {
        EXPECT_EQ(edit->maxLength(), 30);
        EXPECT_EQ(edit->toolTip(), "Maximal 30 Zeichen");
    }
}

TEST_F(TForm3Test, LabelsAreGermanForGermanAndEnglishOtherwise) {
    const struct {
        int language;
        const char* artist;
        const char* title;
    } cases[] = {{1, "Rufzeichen, Name, Club, Schule ...", "Titel, Thema, Beschreibung ..."},
                 {2, "Callsign, name, club, school ...", "Title, subject, description ..."},
                 {3, "Callsign, name, club, school ...", "Title, subject, description ..."}};
    for (const auto& c : cases) {
        form.setLanguage(c.language);
        EXPECT_EQ(form.Label1->text(), c.artist) << c.language;
        EXPECT_EQ(form.Label2->text(), c.title) << c.language;
    }
}

TEST_F(TForm3Test, EnterInTheArtistFieldMovesOnAndEnterInTheTitleFieldAccepts) {
    const auto result = askWith({}, [this] {
        QTest::keyClicks(form.Edit4, "DL1ABC J");
        form.Edit4->insert(QString::fromUtf8("örg")); // QTest types ASCII only
        QTest::keyClick(form.Edit4, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible()) << "Enter in the artist field does not close the form";
        EXPECT_EQ(form.focusWidget(), form.Edit3);
        form.Edit3->insert(QString::fromUtf8("Übung"));
        QTest::keyClick(form.Edit3, Qt::Key_Return);
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->artist, "DL1ABC J\xF6rg");
    EXPECT_EQ(result->title, "\xDC"
                             "bung");
}

TEST_F(TForm3Test, ShowsTheLastTagsAndOkAcceptsThemAsTheyAre) {
    const auto result = askWith({"DL1ABC", "Lektion 7"}, [this] {
        EXPECT_EQ(form.Edit4->text(), "DL1ABC");
        EXPECT_EQ(form.Edit3->text(), "Lektion 7");
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->artist, "DL1ABC");
    EXPECT_EQ(result->title, "Lektion 7");
}

TEST_F(TForm3Test, TypingStopsAtThirtyCharacters) {
    const auto result = askWith({}, [this] {
        QTest::keyClicks(form.Edit4, QString(40, QLatin1Char('x')));
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->artist, std::string(30, 'x'));
}

TEST_F(TForm3Test, ClosingWithoutOkGivesNoTags) {
    const auto result = askWith({"A", "B"}, [this] {
        QTest::keyClicks(form.Edit4, "changed");
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_FALSE(result.has_value());
}

} // namespace
} // namespace dittaro
