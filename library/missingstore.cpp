#include "library/missingstore.h"

namespace vantrel {

void stopformissingstore(Program& program) {
    Kit& kit = program.services().kit;
    kit.message("数据库不存在"_t, "警告"_t, Buttons::ok, Icon::none);
    kit.quit(0);
}

} // namespace vantrel
