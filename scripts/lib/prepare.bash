# Sourced by scripts/run, test, bench and fuzz. Finds the checkout, keeps everything built in it
# owned by the checkout's owner, and installs the Debian packages a script needs. Only apt-get
# runs as root: started under sudo by the checkout's owner, a script installs as root and goes on
# as that user.

talvex_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd -P)
talvex_build=$talvex_root/build

# Gives everything under build/ that belongs to another user to the checkout's owner.
talvex_give_back() {
    [[ -d $talvex_build ]] || return 0
    [[ -n $(find "$talvex_build" ! -user "$(stat -c %u "$talvex_root")" -print -quit) ]] ||
        return 0
    chown -R --reference="$talvex_root" "$talvex_build"
    echo "Handed $talvex_build back to $(stat -c %U "$talvex_root")." >&2
}

# Refuses, saying what to do, where this user cannot build: a build/ holding another user's
# files (left by an earlier run as root), or a checkout this user cannot write to.
talvex_check_owner() {
    local script=$1 me foreign
    me=$(id -un)
    if [[ ! -e $talvex_build && ! -w $talvex_root ]]; then
        local owner
        owner=$(stat -c %U "$talvex_root")
        echo "scripts/$script: $talvex_root belongs to $owner, and $me cannot write to it:" \
            "run this as $owner, or in a checkout of your own." >&2
        exit 1
    fi
    [[ -e $talvex_build ]] || return 0
    foreign=$(find "$talvex_build" ! -user "$(id -u)" -print -quit 2>/dev/null || true)
    [[ -n $foreign ]] || return 0
    cat >&2 <<MSG
scripts/$script: $foreign belongs to $(stat -c %U "$foreign"), not to $me, so the build
cannot write there (an earlier run as root, through sudo, left it). Give the folder back with
    sudo chown -R $me: $talvex_build
or start this command once through sudo: it hands the folder back, installs what is missing
as root and goes on as $me.
MSG
    exit 1
}

# talvex_prepare SCRIPT "LIST..." [ARGS...]: runs before a script builds. SCRIPT names the
# script in scripts/, LIST the package lists it needs; ARGS are handed on if it starts again
# as the checkout's owner.
talvex_prepare() {
    local script=$1 lists=$2
    shift 2
    cd "$talvex_root"
    if [[ $EUID -eq 0 && -n ${SUDO_USER:-} && $SUDO_USER != root &&
        $(stat -c %U "$talvex_root") == "$SUDO_USER" ]]; then
        # Started through sudo by the checkout's owner: root installs, the owner builds and runs.
        # shellcheck disable=SC2086 # the lists are words
        "$talvex_root/scripts/install-deps" $lists
        talvex_give_back
        echo "Started through sudo: building and running go on as $SUDO_USER (sudo is not" \
            "needed: the scripts ask for it themselves, for apt-get only)." >&2
        exec runuser -u "$SUDO_USER" -- bash "$talvex_root/scripts/$script" "$@"
    fi
    if [[ $EUID -eq 0 ]]; then
        # Root builds as asked; what it builds in another user's checkout goes back to them.
        [[ $(stat -c %u "$talvex_root") == 0 ]] || trap talvex_give_back EXIT
    else
        talvex_check_owner "$script"
    fi
    # shellcheck disable=SC2086
    "$talvex_root/scripts/install-deps" $lists
}
