# bash completion for pixlore-convert                                  -*- shell-script -*-

_pixlore_convert() {
    local cur prev words cword split
    _init_completion -s || return

    # Directive and value names hold ! and $, which the shell must get quoted: -o filenames
    # has readline quote what it inserts.
    case $prev in
        --from | --to)
            COMPREPLY=($(compgen -W 'fnt psf bmp png prg asm c map' -- "$cur"))
            return
            ;;
        --directive)
            compopt -o filenames
            COMPREPLY=($(compgen -W '.byte \!byte db defb' -- "$cur"))
            return
            ;;
        --values)
            compopt -o filenames
            COMPREPLY=($(compgen -W '\$xx 0xXX decimal hex 0x dec' -- "$cur"))
            return
            ;;
        --first | --range | --label | --load-address | --map | --ink | --paper | \
            -h | --help | --version)
            return
            ;;
    esac
    if [[ $cur == -* ]]; then
        # Every option that --help names, so new ones complete without a change here.
        local options
        options=$("$1" --help 2>/dev/null | grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    # Any other option's value, and INPUT and OUTPUT, are files.
    _filedir
} &&
    complete -F _pixlore_convert pixlore-convert

# ex: filetype=sh
