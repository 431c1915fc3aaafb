// Runs a fuzz target once over each file named on the command line, as a plain program: the seed corpus,
// hostile documents among them, is checked on every build without a fuzzing engine. Each input runs on a
// thread with the stack the target's code may meet (256 KiB unless the build says otherwise, as a host's
// worker thread might have), so that deep recursion shows as a crash.
#include <pthread.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

#ifndef TARNAVEL_REPLAY_STACK_KIB
#define TARNAVEL_REPLAY_STACK_KIB 256
#endif
constexpr std::size_t kStackBytes = std::size_t{TARNAVEL_REPLAY_STACK_KIB} * 1024;

void* runInput(void* input) {
  const auto& bytes = *static_cast<const std::vector<std::uint8_t>*>(input);
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  return nullptr;
}

bool runOnSmallStack(const std::vector<std::uint8_t>& bytes) {
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0 || pthread_attr_setstacksize(&attributes, kStackBytes) != 0) {
    return false;
  }
  pthread_t thread;
  const bool started =
      pthread_create(&thread, &attributes, runInput, const_cast<std::vector<std::uint8_t>*>(&bytes)) == 0;
  pthread_attr_destroy(&attributes);
  return started && pthread_join(thread, nullptr) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    if (!runOnSmallStack(bytes)) {
      std::fprintf(stderr, "cannot start a thread for %s\n", argv[i]);
      return 1;
    }
    std::printf("ran %s (%zu bytes)\n", argv[i], bytes.size());
  }
  return 0;
}
