#pragma once

namespace quenmoor::testsupport {}

// tests/cadhost still names the shared test helpers quenmoor::testing, which hides
// GoogleTest's `testing` inside namespace quenmoor; the alias goes once those tests say
// testsupport. The headers they include bring it in.
namespace quenmoor {
namespace testing = testsupport;
}  // namespace quenmoor
