// Rule: The Code 39 check character is the sum of the character values (0-9, A-Z, then - . space $ / + %) modulo 43; indexOf finds a value and charAt maps it back.
// Case: "CODE39" => "CODE39W"
// Case: "123" => "1236"
// Case: "A-1" => "A-14"
// Case: "a" => "ERROR: bad character a"
var SET = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

function DataUpdated(Data)
{
  var sum = 0;
  for (var i = 0; i < Data.length; i++) {
    var v = SET.indexOf(Data.charAt(i));
    if (v < 0)
      return "ERROR: bad character " + Data.charAt(i);
    sum += v;
  }
  return Data + SET.charAt(sum % 43);
}
