#include "app/LocaleTexts.h"

#include <algorithm>
#include <cctype>

namespace dk {

std::string currentLanguage = "rus";

namespace {

std::string Upper(std::string_view code) {
    std::string upper(code);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

struct TableTexts {
    std::vector<std::string> russian;
    std::vector<std::string> english;
};

const TableTexts& CaptionTable() {
    static const TableTexts table{
        {"Открыть", "Назад", "Вперёд", "Вверх", "Поиск", "Нужно", "Не нужно", "Очистить",
         "Сохранить", "Печать", "Экспорт", "О программе", "Комментировать", "Имя файла",
         "Размер, Кбайт", "Создан", "Изменён", "Атрибуты", "Комментарии",
         "Экспортировать в текстовый формат", "Выберите список повреждённых файлов",
         "Все файлы(*.*)|*.*|*.TXT|*.txt", "Список файлов (*.dk)|*.dk", "Отменить", "Папок:",
         "Файлов:", "Загрузка данных...", "Сохранение данных...", "Поиск данных...",
         "Ввод комментария", "Принять", "Отмена", "Комментарий для файла",
         "Комментарий для папки"},
        {"Open", "Back", "Forward", "Up", "Find", "Required", "Useless", "Clear", "Save",
         "Print", "Export", "Help", "Comment", "File Name", "Size, kB", "Created", "Changed",
         "Attributes", "Comments", "Export in text format", "Choose a list of damaged files",
         "All files (*.*)|*.*|*.TXT|*.txt", "Files (*.dk)|*.dk", "Cancel", "Folders:", "Files:",
         "Loading Data...", "Save Data...", "Data search...", "Enter comment ", "Apply", "Cancel",
         "Comment for File", "Commeny for folfer"}};
    return table;
}

const TableTexts& HintTable() {
    static const TableTexts table{
        {"Открыть список файлов", "Назад", "Вперёд", "Вверх", "Поиск", "Пометить как нужный",
         "Пометить как не нужный", "Снять метки", "Сохранить файл", "Распечатать",
         "Экспорт в текстовый формат", "О программе (Ctrl+F1)", "Комментировать",
         "Только чтение", "Скрытый", "Системный", "Файл тома", "Архивный", "Временный",
         "Сжатый", "Повреждённый"},
        {"Open the list of files", "Back", "Forward", "Up", "Find", "Mark as Required",
         "Mark as Useless", "Take off labels", "Save file", "Print file",
         "Export to a text format", "About... (Ctrl+F1)", "Make comments", "Read only", "Hidden",
         "System", "Volume file", "Archival", "Temporary", "Compressed", "Damaged"}};
    return table;
}

const TableTexts& AboutTable() {
    static const TableTexts table{
        {"О программе", "Упрощённая версия программы Dorvik",
         "предназначена для просмотра списков файлов,", "созданных в полной версии.",
         "Страница поддержки »", "Закрыть",
         "https://ru.dorvik.example/tools/dorvik.html?from=dorvik"},
        {"About", "Simplified version of Dorvik software", "is intended for viewing lists of files",
         "created in full version.", "Support page »", "Close",
         "https://en.dorvik.example/tools/dorvik.html?from=dorvik"}};
    return table;
}

const TableTexts& MessageTable() {
    static const TableTexts table{
        {"Ошибка", "Файл не найден", "Неудачная попытка разархивировать файл",
         "Возможно в той же папке находиться папка с совпадающим именем",
         "пожалуйста, откройте файл из другого места", "Файл пуст!",
         "Ошибка при загрузке файла! Возможно он повреждён", "Не удалось открыть страницу",
         "Отсутствуют данные для сохранения", "Заменить файл ?", "Запрос",
         "Ошибка при создании файла!", "Прогресс экспорта в текстовый файл",
         "Отсутствуют данные для печати", "Ошибка инициализации", "Файлы не выбраны",
         "Отсутствуют данные для сохранения", "Прогресс сохранения DK-файла",
         "Выберите файл или папку, к которой хотите оставить комментарий",
         "Выбрано более одного файла и/или папки!", "Сохранить изменения ?",
         "Комментарий не введён!", "Список пуст"},
        {"Error", "File not found", "Unpack file error",
         "Perhaps there is a folder with a matching name",
         "please open the file from another location", "File is empty!",
         "Error loading file! Perhaps it is corrupted", "Could not open the page",
         "No data to save", "Replace file ?", "Request", "Error in creating file!",
         "Export to text file", "No data to print", "Error init", "No selected files",
         "No data to save", "Saving DK-file",
         "Select the file or folder that you want to leave a comment",
         "Selected more than one file, and (or) folders!", "Save changes ?",
         "Commentary is not entered !", "List is empty"}};
    return table;
}

} // namespace

bool IsLanguage(std::string_view code, std::string_view language) {
    return Upper(code) == language;
}

bool localItems::addLanguage(std::string_view code, const std::vector<std::string>* list) {
    if (!list)
        return false;
    const std::string upper = Upper(code);
    if (upper == "RUS") {
        russian_ = *list;
        count_ = static_cast<std::uint16_t>(list->size());
    }
    if (upper == "ENG") {
        english_ = *list;
        count_ = static_cast<std::uint16_t>(list->size());
    }
    return true;
}

std::string localText(const localItems& table, std::int32_t index, std::string_view code) {
    std::string result;
    if (index < 0 || index >= table.count())
        return result;
    const std::string upper = Upper(code);
    const auto at = static_cast<std::size_t>(index);
    if (upper == "RUS" && at < table.russian().size())
        result = table.russian()[at];
    if (upper == "ENG" && at < table.english().size())
        result = table.english()[at];
    return result;
}

void BuildInterfaceTexts(localeTexts& texts) {
    // Built through one scratch list, Russian first, as the tables have always
    // been built: each table's count ends up as the size of its English list.
    std::vector<std::string> scratch;
    const std::pair<localItems*, const TableTexts*> tables[] = {
        {&texts.CaptionTexts, &CaptionTable()},
        {&texts.HintTexts, &HintTable()},
        {&texts.AboutTexts, &AboutTable()},
        {&texts.MessageTexts, &MessageTable()},
    };
    for (const auto& [table, source] : tables) {
        scratch = source->russian;
        table->addLanguage("rus", &scratch);
        scratch.clear();
        scratch = source->english;
        table->addLanguage("eng", &scratch);
        scratch.clear();
    }
}

std::string Text(const localItems& table, std::int32_t index) {
    return localText(table, index, currentLanguage);
}

} // namespace dk
