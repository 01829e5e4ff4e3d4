' Rule: A comparison with a literal number reads the text on the other side as a number.
' Rule: Between two variables, a number is less than any text; two texts compare character by character.
' Case: "10" => "literal:True variable:False text:True"
' Case: "9" => "literal:False variable:False text:False"
Function DataUpdated(Data)
  Dim n, t
  n = 9
  t = "9"
  DataUpdated = "literal:" & (Data > 9) & " variable:" & (Data = n) & " text:" & (Data < t)
End Function
