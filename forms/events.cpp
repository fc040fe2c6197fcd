// SPDX-License-Identifier: MIT
#include "forms/events.h"

#include "forms/form.h"
#include "forms/text_box.h"

#include <algorithm>
#include <vector>

namespace forms {

namespace {

// Events run on the one thread of the window.
struct WorkAfterEvents {
    int eventsRunning = 0;  // the outermost included
    std::vector<TextBox *> boxesToShow;
    std::vector<Form *> formsToRefocus;
} pending;

template <class Item>
void forget(std::vector<Item *> &items, const Item &item)
{
    std::replace(items.begin(), items.end(), const_cast<Item *>(&item), static_cast<Item *>(nullptr));
}

// Each list is walked by index: the work done may add to it.
void finishEvents()
{
    for (std::size_t i = 0; i < pending.boxesToShow.size(); ++i)
        if (TextBox *box = pending.boxesToShow[i])
            box->showPending();
    pending.boxesToShow.clear();
    for (std::size_t i = 0; i < pending.formsToRefocus.size(); ++i)
        if (Form *form = pending.formsToRefocus[i])
            form->refocus();
    pending.formsToRefocus.clear();
}

} // namespace

void runEvent(const std::function<void()> &procedure)
{
    if (!procedure)
        return;
    struct Running {
        Running() { ++pending.eventsRunning; }
        ~Running()
        {
            if (--pending.eventsRunning == 0)
                finishEvents();
        }
    } scope;
    procedure();
}

bool eventRunning()
{
    return pending.eventsRunning > 0;
}

void showWhenEventsEnd(TextBox &box)
{
    if (eventRunning())
        pending.boxesToShow.push_back(&box);
    else
        box.showPending();
}

void refocusWhenEventsEnd(Form &form)
{
    if (eventRunning())
        pending.formsToRefocus.push_back(&form);
    else
        form.refocus();
}

void forgetWhenEventsEnd(const TextBox &box)
{
    forget(pending.boxesToShow, box);
}

void forgetWhenEventsEnd(const Form &form)
{
    forget(pending.formsToRefocus, form);
}

} // namespace forms
