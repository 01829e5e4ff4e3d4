// Rule: replace with a global regular expression replaces every match, and $1 in the replacement stands for the first group.
// Rule: split with a regular expression splits at every match.
// Case: "  many   spaces here " => "many spaces here"
// Case: "2026/12/11" => "11.12.2026"
// Case: "a,b;;c" => "a|b||c"
function DataUpdated(Data)
{
  if (/^\d{4}\/\d{2}\/\d{2}$/.test(Data))
    return Data.replace(/^(\d{4})\/(\d{2})\/(\d{2})$/, "$3.$2.$1");
  if (/[,;]/.test(Data))
    return Data.split(/[,;]/).join("|");
  return Data.replace(/\s+/g, " ").replace(/^ | $/g, "");
}
