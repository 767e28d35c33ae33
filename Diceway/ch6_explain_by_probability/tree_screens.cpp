// Placeholder until the tree routines exist.
#include "Diceway/ch6_explain_by_probability/explain_by_probability.h"
namespace diceway {
void TreeVersusTableScreen(Program&) {}
void MostLikelyExplanationScreen(Program&) {}
}  // namespace diceway
