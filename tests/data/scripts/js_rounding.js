// Rule: Math.round rounds halves up, towards +Infinity (ECMA-262, Math.round), unlike VBScript's Round; toFixed works on the double nearest the text, so 1.005 (stored as 1.00499...) shows "1.00".
// Case: "2.5" => "3|2.50"
// Case: "-2.5" => "-2|-2.50"
// Case: "1.005" => "1|1.00"
// Case: "0.125" => "0|0.13"
function DataUpdated(Data)
{
  var x = parseFloat(Data);
  return Math.round(x) + "|" + x.toFixed(2);
}
