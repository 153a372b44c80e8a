// The exchange log of one radio window: "S:"/"R:" lines of the frames sent and replies received,
// shown through the window's LinkUi, emptied before an exchange once it holds 16384 characters.
#pragma once

#include <string>

class LinkUi;

class ExchangeLog {
public:
    static constexpr std::size_t kEmptyAt = 16384;

    // ui receives the text after every change and the messages of PortExchange; may be null.
    explicit ExchangeLog(LinkUi* ui = nullptr) : m_ui(ui) {}

    const std::string& Text() const { return m_text; }
    LinkUi* Ui() const { return m_ui; }

    // Adds text at the end without showing it (the block loops show once per exchange).
    void Add(const std::string& text) { m_text += text; }
    // Adds text at the end and shows the whole log at once.
    void Append(const std::string& text);
    // Shows the whole log text through the LinkUi.
    void Show() const;
    // Empties the log (and shows the empty text) when it holds kEmptyAt characters or more.
    void EmptyIfFull();
    void Clear();

private:
    LinkUi* m_ui;
    std::string m_text;
};
