' Rule: CLng rounds a half to the even neighbour; & turns the Long back into text.
' Rule: Text with an exponent or &H prefix reads as a number.
' Case: "1e3" => "Qty 1000"
' Case: "&H10" => "Qty 16"
' Case: "-0.5" => "Qty 0"
' Case: "12,5" => ERROR
Function DataUpdated(Data)
  DataUpdated = "Qty " & CLng(Data)
End Function
