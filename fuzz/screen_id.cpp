// The screen a screen fuzz target exercises: this one line is built per
// target, the fuzz target itself once.
namespace qm::fuzz {
extern const char* const kScreenId;
const char* const kScreenId = QM_FUZZ_SCREEN;
}  // namespace qm::fuzz
