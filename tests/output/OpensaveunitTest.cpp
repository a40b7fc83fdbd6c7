#include "output/Opensaveunit.h"
#include "TestSupport.h"
#include "UiTestHelpers.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace dk {
namespace {

TEST(OpenSaveForm, PanelShowsTheTextOfTheSender) {
    const struct {
        const char* language;
        std::optional<std::int32_t> sender;
        const char16_t* text;
    } cases[] = {
        {"rus", caption::BusyLoading, u"Загрузка данных..."},
        {"rus", caption::BusySaving, u"Сохранение данных..."},
        {"rus", caption::BusySearching, u"Поиск данных..."},
        {"rus", std::nullopt, u""},
        {"eng", caption::BusyLoading, u"Loading Data..."},
        {"eng", caption::BusySaving, u"Save Data..."},
        {"eng", caption::BusySearching, u"Data search..."},
        {"eng", std::nullopt, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + std::to_string(c.sender.value_or(-1)));
        test::ScopedLanguage language(c.language);
        localeTexts texts;
        BuildInterfaceTexts(texts);
        QPointer<TOpenSaveForm> form = new TOpenSaveForm(texts);
        form->ShowBusy(c.sender);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->size(), QSize(214, 64));
        EXPECT_EQ(form->findChild<QLabel*>("ProgressPanel")->text(), QString::fromUtf16(c.text));

        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(form.isNull());
    }
}

} // namespace
} // namespace dk
