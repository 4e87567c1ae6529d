# What an end-to-end case requires, in its own words. Source it; a case may define on_fail to
# leave evidence behind.

fail() {
  echo "FAIL: $*"
  declare -F on_fail >/dev/null && on_fail
  exit 1
}
# expect_within SECONDS WHAT COMMAND...: WHAT must come true, as COMMAND tells, within SECONDS.
expect_within() {
  local seconds=$1 what=$2
  shift 2
  rig_wait $((seconds * 10)) "$@" || fail "expected within $seconds s: $what"
}
# expect WHAT COMMAND...: WHAT holds now.
expect() {
  local what=$1
  shift
  "$@" >/dev/null 2>&1 || fail "expected: $what"
}
# unavailable WHAT: a part of the rig could not start. That fails the case, since a case that
# cannot run proves nothing, unless the developer asked for skips with DAWNQUILL_ALLOW_SKIPS=1.
unavailable() {
  echo "cannot start $1" >&2
  [ "${DAWNQUILL_ALLOW_SKIPS:-}" = 1 ] && exit 77
  exit 1
}
