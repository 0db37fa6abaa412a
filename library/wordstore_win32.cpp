// The Windows builds have no SQLite yet: this stub opens nothing, so every query of the store
// gives no rows and every statement is refused.
//
// This is the place where the Windows engine goes: SQLite linked in for caici.mdb files that
// start with "SQLite format 3", and ODBC with the Microsoft Access driver, given the
// connection string, for real Access files (told apart by their first bytes).
#include "library/engine.h"

namespace vantrel::store {

std::unique_ptr<Database> opendatabase(const Text& /*path*/, const Text& /*connection*/,
                                       std::chrono::milliseconds /*busy*/) {
    return nullptr;
}

} // namespace vantrel::store
