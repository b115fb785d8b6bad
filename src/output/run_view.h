// The search run's view of the window: each setting read at the moment it is used, the
// status line, and message boxes. The window implements it; tests use a fake.
#pragma once

#include <optional>
#include <string>

#include "results/sorting.h"
#include "results/source_lines.h"

namespace strevo {

enum class MessageIcon { error, information };

class RunView {
public:
    virtual ~RunView() = default;

    virtual std::string keyword() = 0;
    virtual std::string pages_text() = 0;
    virtual FamilyRule family_rule() = 0;
    virtual bool check_validity() = 0;
    // The first checked of the four order buttons; none when none is checked.
    virtual std::optional<SortRule> sort_rule() = 0;

    virtual void set_status(const std::string& text) = 0;
    // A modal message box with one OK button; returns when it is closed.
    virtual void show_message(const std::string& title, const std::string& text, MessageIcon icon) = 0;
};

}  // namespace strevo
