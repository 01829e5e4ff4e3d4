' Rule: IsNumeric is True for text that reads as a number: blanks around it, a sign, decimals, an exponent.
' Rule: Letters after the digits make the text not numeric.
' Case: " -12.5 " => "number -12.5"
' Case: "1e3" => "number 1000"
' Case: "12abc" => "not a number"
' Case: "" => "not a number"
Function DataUpdated(Data)
  If IsNumeric(Data) Then
    DataUpdated = "number " & CDbl(Data)
  Else
    DataUpdated = "not a number"
  End If
End Function
