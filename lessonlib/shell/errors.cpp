#include "lessonlib/shell/errors.h"

#include <string>

namespace lesson {

RuntimeError::RuntimeError(ErrorCode c, std::source_location where)
    : std::runtime_error("run-time error " + std::to_string(static_cast<int>(c)) + " at " +
                         where.file_name() + ":" + std::to_string(where.line())),
      statement(static_cast<int>(where.line())),
      code(c) {}

void Fail(ErrorCode code, std::source_location where) { throw RuntimeError(code, where); }

}  // namespace lesson
