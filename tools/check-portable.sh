#!/usr/bin/env bash
# The desktop program and the programs' main files use Qt's and the engine's portable API only:
# lists every POSIX or other system header included under src/ui and src/app, and fails if any.
set -euo pipefail
cd "$(dirname "$0")/.."
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(unistd|fcntl|dirent|dlfcn|pwd|grp|poll|signal|termios|syslog|iconv|pthread|semaphore|spawn|glob|libgen|netdb|sys/[a-z_]+|netinet/[a-z_]+|arpa/[a-z_]+)\.h>'
if grep -rnE "$pattern" src/ui src/app; then
  echo "System headers in src/ui or src/app (listed above): use Qt or the engine's platform layer (src/core/platform.h)." >&2
  exit 1
fi
echo "src/ui and src/app use the portable API only."
