#pragma once
// AcctListReady is false while the program itself moves or rebuilds the
// account list (the grid's row changes are then not the user's), and true
// again when that is done, also when the engine raised an error on the way,
// so the grid never stays deaf to the user.
#include "app/FormVesk.h"

namespace quorvel {

class ListNotReady {
public:
    explicit ListNotReady(FormVesk& form) : m_form(form) { m_form.AcctListReady = false; }
    ~ListNotReady() { m_form.AcctListReady = true; }
    ListNotReady(const ListNotReady&) = delete;
    ListNotReady& operator=(const ListNotReady&) = delete;

private:
    FormVesk& m_form;
};

}  // namespace quorvel
