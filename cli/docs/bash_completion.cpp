// The bash completion script; see bash_completion.h. It uses only bash's own
// builtins (compgen, compopt), so it works with or without the
// bash-completion package's helpers.
#include "cli/docs/bash_completion.h"

#include <algorithm>
#include <vector>

#include "cli/cli.h"
#include "cli/docs/usage_text.h"

namespace quendal::cli {
namespace {

// The global options, which come before the subcommand.
const std::vector<std::string> globaloptions = {"lang", "today", "ini", "format", "crlf", "cp1252", "help", "version"};

bool contains(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

std::string joined(const std::vector<std::string>& names, const char* prefix, const char* separator) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : separator) + std::string(prefix) + name;
  return text;
}

// How the value of an option is completed, whatever the subcommand.
const char* sharedvaluecase(const std::string& option) {
  if (option == "ini" || option == "output") return "_quendal_report_files";
  if (option == "tz") return "_quendal_report_zones";
  if (option == "place") return "_quendal_report_places";
  return nullptr;
}

// The case arms for the values of the options of one subcommand (or of the
// global options): fixed values, files, zones, places, or nothing.
std::string valuecases(const std::vector<std::string>& options, const std::vector<std::string>& withvalue,
                       const std::vector<OptionValues>& values) {
  std::string text;
  std::vector<std::string> free;
  for (const std::string& option : options) {
    if (!contains(withvalue, option)) continue;
    const OptionValues* fixed = nullptr;
    for (const OptionValues& v : values)
      if (option == v.option) fixed = &v;
    for (const OptionValues& v : sharedoptionvalues())
      if (fixed == nullptr && option == v.option) fixed = &v;
    if (fixed != nullptr)
      text += std::string("                --") + option + ") _quendal_report_" + (fixed->list ? "list" : "words") +
              " \"" + fixed->values + "\"; return ;;\n";
    else if (sharedvaluecase(option) != nullptr)
      text += std::string("                --") + option + ") " + sharedvaluecase(option) + "; return ;;\n";
    else
      free.push_back(option);
  }
  if (!free.empty()) text += "                " + joined(free, "--", "|") + ") return ;;\n";
  return text;
}

const char* const prologue = R"bash(# bash completion for quendal-report. Made by quendal-docs from the program's
# own table of subcommands and options; do not edit.

_quendal_report_words()
{
    COMPREPLY=($(compgen -W "$1" -- "$cur"))
}

# A comma-separated list: the words after the last comma.
_quendal_report_list()
{
    local done=""
    [[ $cur == *,* ]] && done=${cur%,*},
    COMPREPLY=($(compgen -P "$done" -W "$1" -- "${cur##*,}"))
    compopt -o nospace
}

_quendal_report_files()
{
    COMPREPLY=($(compgen -f -- "$cur"))
    compopt -o filenames
}

# The IANA zones of the system's time-zone database, and local (the system's).
_quendal_report_zones()
{
    local zones
    if [[ -r /usr/share/zoneinfo/tzdata.zi ]]; then
        zones=$(awk '$1 == "Z" { print $2 } $1 == "L" { print $3 }' /usr/share/zoneinfo/tzdata.zi)
    else
        zones=$(cd /usr/share/zoneinfo 2>/dev/null && find [A-Z]* -type f 2>/dev/null)
    fi
    COMPREPLY=($(compgen -W "local $zones" -- "$cur"))
}

# The places of the configuration file the command line reads, by name,
# case-insensitively; names with blanks come quoted.
_quendal_report_places()
{
    local name typed=${cur//\\ / }
    COMPREPLY=()
    while IFS= read -r name; do
        [[ ${name,,} == "${typed,,}"* ]] && COMPREPLY+=("$(printf '%q' "$name")")
    done < <("${COMP_WORDS[0]}" "${ini[@]}" config --places 2>/dev/null)
}

_quendal_report()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local i command="" ini=() options
    # The subcommand: the first word after the global options and their values.
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --ini) ini=(--ini "${COMP_WORDS[i+1]}"); ((i++)) ;;
)bash";

}  // namespace

std::string bashcompletion() {
  const ProgramHelp& help = programhelpparts();
  std::vector<std::string> globalwithvalue;
  for (const std::string& name : valueoptions(help.globaloptions))
    if (name != "help") globalwithvalue.push_back(name);  // "SUBCOMMAND --help describes" is prose
  std::string script = prologue;
  std::vector<std::string> skipped;  // --ini is taken above
  for (const std::string& name : globalwithvalue)
    if (name != "ini") skipped.push_back(name);
  script += "            " + joined(skipped, "--", "|") + ") ((i++)) ;;\n";
  script +=
      "            -*) ;;\n"
      "            *) command=${COMP_WORDS[i]}; break ;;\n"
      "        esac\n"
      "    done\n"
      "    case $command in\n"
      "        \"\")\n"
      "            case $prev in\n";
  script += valuecases(globalwithvalue, globalwithvalue, {});
  std::vector<std::string> names;
  for (const Subcommand& c : subcommands()) names.emplace_back(c.name);
  script += "            esac\n";
  script += "            [[ $cur == -* ]] || { _quendal_report_words \"" + joined(names, "", " ") + "\"; return; }\n";
  script += "            options=\"" + joined(globaloptions, "--", " ") + "\" ;;\n";
  const std::vector<std::string> commonwithvalue = valueoptions(help.commonoptions);
  for (const Subcommand& c : subcommands()) {
    std::vector<std::string> options;
    for (const std::string& name : optionnames(c.usage))
      if (!contains(options, name) && !contains(globaloptions, name)) options.push_back(name);
    std::vector<std::string> withvalue = valueoptions(c.usage);
    for (const std::string& name : commonwithvalue)
      if (!contains(withvalue, name)) withvalue.push_back(name);
    script += "        " + std::string(c.name) + ")\n";
    const std::string cases = valuecases(options, withvalue, c.values);
    if (!cases.empty()) script += "            case $prev in\n" + cases + "            esac\n";
    options.emplace_back("help");
    script += "            options=\"" + joined(options, "--", " ") + "\" ;;\n";
  }
  script +=
      "        *) return ;;\n"
      "    esac\n"
      "    [[ $cur == -* ]] && COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
      "}\n"
      "\n"
      "complete -F _quendal_report quendal-report\n";
  return script;
}

}  // namespace quendal::cli
