#!/usr/bin/env bash
# Tries the README's test command as a developer who has just cloned would,
# on a machine with nothing installed: a minimal Debian 12 ("bookworm") root
# made with debootstrap from the Debian mirror this machine's apt uses, a
# clean clone of the current commit inside it, and `scripts/test.sh` run
# there with /proc, /dev, /dev/shm and a tmpfs /tmp mounted. Prints each
# stage's result and time. Everything is unmounted and removed afterwards,
# also on failure or Ctrl-C.
#
# It downloads the whole tool chain (about 1 GB) and builds everything from
# nothing, so it is no part of CI. Run as root; only committed work is
# checked (the clone is of HEAD).
# Usage: scripts/fresh-root-check.sh [TEST_OPTIONS...]   (passed to scripts/test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
commit=$(git rev-parse HEAD)

if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-root-check: run as root (debootstrap, chroot and mount need it)" >&2
  exit 2
fi
if [ -n "$(git status --porcelain)" ]; then
  echo "fresh-root-check: note: uncommitted changes are not part of the check (it clones $commit)"
fi

work=$(realpath "$(mktemp -d /var/tmp/tipstat-fresh-root.XXXXXX)")
root=$work/root
mounts=()  # mounted inside the root, in order
results=()
status=0
current=""      # the stage running, with its start
current_start=0

# Processes started inside the root (a Wine server, say) would keep its
# mounts busy: they are ended first, by their root folder only.
end_processes_in_root() {
  local pid link
  for link in /proc/[0-9]*/root; do
    pid=${link#/proc/}
    pid=${pid%/root}
    if [ "$(readlink "$link" 2>/dev/null)" = "$root" ]; then
      kill -KILL "$pid" 2>/dev/null || true
    fi
  done
}

mounted_in_root() {
  awk -v root="$root" '$2 == root || index($2, root "/") == 1 { print $2 }' /proc/self/mounts
}

clean_up() {
  local code=$?
  trap - EXIT INT TERM
  set +e
  end_processes_in_root
  sleep 1
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}"
  done
  # Never remove while anything is still mounted there: /dev is the host's.
  if [ -n "$(mounted_in_root)" ]; then
    echo "fresh-root-check: still mounted, $work left in place:" >&2
    mounted_in_root >&2
  else
    rm -rf --one-file-system "$work"
  fi
  if [ -n "$current" ]; then
    results+=("$(printf '%-34s STOPPED %5d s' "$current" $((SECONDS - current_start)))")
  fi
  echo
  echo "== summary (commit $commit)"
  printf '%s\n' "${results[@]}"
  [ "$code" -eq 0 ] && code=$status
  exit "$code"
}
trap clean_up EXIT
trap 'echo; echo "fresh-root-check: interrupted"; status=130; exit 130' INT TERM

# Runs one stage: prints its result and time, and stops the check when it
# fails.
stage() {
  local name=$1 start=$SECONDS code=0
  shift
  echo
  echo "== $name"
  current=$name current_start=$start
  "$@" || code=$?
  current=""
  local line
  if [ $code -eq 0 ]; then
    line=$(printf '%-34s ok      %5d s' "$name" $((SECONDS - start)))
  else
    line=$(printf '%-34s FAILED  %5d s  (exit %d)' "$name" $((SECONDS - start)) $code)
  fi
  results+=("$line")
  echo "$line"
  if [ $code -ne 0 ]; then
    status=1
    exit 1
  fi
}

# The Debian archive this machine's apt reads bookworm from (deb822 sources
# or one-line lists), else Debian's own mirror.
debian_mirror() {
  local files=(/etc/apt/sources.list.d/*.sources /etc/apt/sources.list /etc/apt/sources.list.d/*.list)
  local mirror
  mirror=$(awk '
    FILENAME ~ /\.sources$/ {
      if ($0 ~ /^[ \t]*$/) { if (suite && uri) { print uri; exit } suite = 0; uri = "" }
      if ($1 == "URIs:") uri = $2
      if ($1 == "Suites:") for (i = 2; i <= NF; i++) if ($i == "bookworm") suite = 1
      next
    }
    $1 == "deb" { for (i = 2; i < NF; i++) if ($i !~ /^\[/ && $(i + 1) == "bookworm") { print $i; exit } }
    END { if (suite && uri) print uri }' "${files[@]}" 2>/dev/null | head -n 1)
  echo "${mirror:-http://deb.debian.org/debian}"
}

install_debootstrap() {
  if command -v debootstrap >/dev/null; then
    echo "debootstrap is installed"
    return
  fi
  apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
}

make_root() {
  local mirror
  mirror=$(debian_mirror)
  echo "bookworm from $mirror into $root"
  # minbase: apt and the essential packages only, as on a bare machine.
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -n 30 "$work/debootstrap.log"; return 1; }
  printf 'deb %s bookworm main\ndeb %s bookworm-updates main\n' "$mirror" "$mirror" \
    >"$root/etc/apt/sources.list" &&
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

mount_one() {
  mount "$@" && mounts+=("${*: -1}")
}

mount_filesystems() {
  mount_one -t proc proc "$root/proc" &&
    mount_one --bind /dev "$root/dev" &&
    mount_one -t tmpfs -o mode=1777 shm "$root/dev/shm" &&
    mount_one -t tmpfs -o mode=1777 tmp "$root/tmp" &&
    mounted_in_root
}

clone_commit() {
  git clone --quiet --no-hardlinks "$repo" "$root/root/tipstat" &&
    git -C "$root/root/tipstat" checkout --quiet --detach "$commit" &&
    git -C "$root/root/tipstat" log -1 --format='%h %s'
}

in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# The README's test command, in the clone, as root (a fresh machine's
# developer would be asked for sudo's password instead).
run_test_command() {
  in_root bash -c 'cd /root/tipstat && scripts/test.sh "$@"' test.sh "$@"
}

stage "install debootstrap" install_debootstrap
stage "make a Debian 12 root" make_root
stage "mount /proc /dev /dev/shm /tmp" mount_filesystems
stage "clone the current commit" clone_commit
stage "scripts/test.sh $*" run_test_command "$@"
