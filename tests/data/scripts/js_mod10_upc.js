// Rule: The UPC-A check digit weights the digits from the left 3, 1, 3, ... and is (10 - sum mod 10) mod 10; the % operator gives the remainder with the sign of the dividend.
// Rule: The - operator converts a digit character to its number (ECMA-262, ToNumber of a string).
// Case: "03600029145" => "036000291452"
// Case: "12345678901" => "123456789012"
// Case: "00000000000" => "000000000000"
function DataUpdated(Data)
{
  var sum = 0;
  for (var i = 0; i < Data.length; i++)
    sum += (Data.charAt(i) - 0) * (i % 2 == 0 ? 3 : 1);
  return Data + (10 - sum % 10) % 10;
}
