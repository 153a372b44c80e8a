# bash completion for vpxds-cli: its commands, each command's options, ports and file names.
# The commands and options are read from the program's own --help, so the completion knows every
# command the installed program has. Installed as PREFIX/share/bash-completion/completions/vpxds-cli.

_vpxds_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]} command="" at=0 i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        --appdir) ((i++)) ;;
        -*) ;;
        *)
            command=${COMP_WORDS[i]}
            at=$i
            break
            ;;
        esac
    done
    COMPREPLY=()

    case $prev in
    --appdir)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return
        ;;
    --port)
        mapfile -t COMPREPLY < <(compgen -W "$(printf 'com%s ' {1..16}) simulator simulator2 simulator3 simulator4 \
            $(compgen -G '/dev/ttyUSB*') $(compgen -G '/dev/ttyACM*') $(compgen -G '/dev/ttyS*')" -- "$cur")
        return
        ;;
    --lang)
        mapfile -t COMPREPLY < <(compgen -W "en zh" -- "$cur")
        return
        ;;
    esac

    if [[ -z $command ]]; then
        # The commands are the lines of the usage's command list: two blanks, then the name.
        local commands
        commands=$("$program" --help 2>/dev/null | sed -n 's/^  \([a-z][a-z0-9-]*\).*/\1/p')
        mapfile -t COMPREPLY < <(compgen -W "$commands --appdir --help --version" -- "$cur")
        return
    fi

    local help
    help=$("$program" "$command" --help 2>/dev/null)
    # An option the help shows with a value in capitals (--band CODE) takes the next word: files
    # where the value is a file, nothing to offer otherwise.
    if [[ $prev == --* ]] && grep -qE -- "$prev [A-Z]" <<<"$help"; then
        if grep -qE -- "$prev [A-Z]*FILE" <<<"$help"; then
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        fi
        return
    fi
    if [[ $cur == -* ]]; then
        # The options of its usage lines and option lines (the prose may name other commands').
        mapfile -t COMPREPLY < <(compgen -W "$(grep -E '^(usage:|Usage:|[[:space:]]+(vpxds|-))' <<<"$help" |
            grep -oE -- '--[a-z][a-z0-9-]*' | sort -u) --help" -- "$cur")
        return
    fi
    # Sub-commands (vpxds-cli align read ...) right after the command; the port command's names.
    local subcommands
    subcommands=$(sed -n "s/.*vpxds-cli $command \([a-z][a-z-]*\).*/\1/p" <<<"$help" | sort -u)
    if ((COMP_CWORD == at + 1)) && [[ -n $subcommands ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$subcommands" -- "$cur")
        return
    fi
    if [[ $command == port ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(printf 'com%s ' {1..16}) none" -- "$cur")
        return
    fi
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}
complete -F _vpxds_cli vpxds-cli
