// Diceway's program state on a headless runtime, as its start-up leaves it
// (Diceway's own array bounds: F() 40, X$() 20, no U$() or V$()).
#pragma once

#include "Diceway/diceway.h"
#include "tests/support/test_support.h"

namespace diceway_test {

using Fixture = testing_support::ProgramFixture<diceway::Program, diceway::SetInitialState>;

}  // namespace diceway_test
