#pragma once

// TLS for every connection of the process: peers are verified against the system's
// certificate authorities plus the one fixed at build time.
namespace TlsTrust {
void install();
}
