// A RunView for tests: settings set by the test, status texts and message boxes recorded.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "output/run_view.h"

namespace strevo::test {

struct Message {
    std::string title;
    std::string text;
    MessageIcon icon;
};

class FakeView : public RunView {
public:
    std::string keyword_text = "CCTV";
    std::string pages = "30";
    FamilyRule family = FamilyRule::all;
    bool check = true;
    std::optional<SortRule> order = SortRule::by_address;

    std::vector<std::string> statuses;
    std::vector<Message> messages;
    // Called on every status change, so a test can act "during" a run.
    std::function<void(const std::string&)> on_status;

    std::string keyword() override { return keyword_text; }
    std::string pages_text() override { return pages; }
    FamilyRule family_rule() override { return family; }
    bool check_validity() override { return check; }
    std::optional<SortRule> sort_rule() override { return order; }
    void set_status(const std::string& text) override {
        statuses.push_back(text);
        if (on_status) on_status(text);
    }
    void show_message(const std::string& title, const std::string& text, MessageIcon icon) override {
        messages.push_back({title, text, icon});
    }
};

}  // namespace strevo::test
